object MainForm: TMainForm
  Left = 264
  Top = 152
  Caption = #1050#1083#1080#1077#1085#1090#1099' '#1080' '#1079#1072#1082#1072#1079#1099
  ClientHeight = 473
  ClientWidth = 688
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Style = []
  Menu = MainMenu1
  OldCreateOrder = False
  Position = poScreenCenter
  OnCreate = FormCreate
  OnDestroy = FormDestroy
  PixelsPerInch = 96
  TextHeight = 13
  object Splitter1: TSplitter
    Left = 185
    Top = 41
    Height = 413
    ExplicitHeight = 400
  end
  object ToolPanel: TPanel
    Left = 0
    Top = 0
    Width = 688
    Height = 41
    Align = alTop
    BevelOuter = bvNone
    TabOrder = 0
    object SearchLabel: TLabel
      Left = 8
      Top = 14
      Width = 37
      Height = 13
      Caption = '&Search:'
      FocusControl = SearchEdit
    end
    object SearchEdit: TEdit
      Left = 56
      Top = 10
      Width = 201
      Height = 21
      Anchors = [akLeft, akTop, akRight]
      Hint = 
        'Type a part of the company name, the city or the country and pre' +
        'ss Enter to filter the list below'
      ParentShowHint = False
      ShowHint = True
      TabOrder = 0
      OnKeyPress = SearchEditKeyPress
    end
    object FindButton: TSpeedButton
      Left = 264
      Top = 9
      Width = 23
      Height = 22
      Flat = True
      Glyph.Data = {
        36010000000102030405060708090A0B0C0D0E0F101112131415161718191A1B
        1C1D1E1F202122232425262728292A2B2C2D2E2F303132333435363738393A3B
        3C3D3E3F404142434445464748494A4B4C4D4E4F505152535455565758595A5B
        5C5D5E5F606162636465666768696A6B6C6D6E6F707172737475767778797A7B
        7C7D7E7F808182838485868788898A8B8C8D8E8F909192939495969798999A9B
        9C9D9E9FA0A1A2A3A4A5A6A7A8A9AAABACADAEAFB0B1B2B3B4B5B6B7B8B9BABB
        BCBDBEBFC0C1C2C3C4C5C6C7424D424D424D424D424D424D424D424D424D424D
        424D424D424D424D424D424D424D424D424D424D}
      OnClick = FindButtonClick
    end
  end
  object CustomerGrid: TDBGrid
    Left = 188
    Top = 41
    Width = 500
    Height = 413
    Align = alClient
    DataSource = DataModule1.dsCustomers
    Options = [dgTitles, dgIndicator, dgColumnResize, dgColLines, dgRowLines, dgTabs, dgRowSelect, dgAlwaysShowSelection]
    TabOrder = 1
    TitleFont.Charset = DEFAULT_CHARSET
    TitleFont.Color = clWindowText
    TitleFont.Height = -11
    TitleFont.Name = 'Tahoma'
    TitleFont.Style = [fsBold]
    OnDblClick = CustomerGridDblClick
    Columns = <
      item
        Expanded = False
        FieldName = 'CustNo'
        Title.Caption = 'Nr.'
        Width = 48
      end
      item
        Expanded = False
        FieldName = 'Company'
        Title.Caption = 'Firma / Gr'#246#223'e'
        Width = 180
      end
      item
        Expanded = False
        FieldName = 'City'
        Title.Caption = #1043#1086#1088#1086#1076
        Width = 100
      end
      item
        Expanded = False
        FieldName = 'Country'
        Width = 90
        Visible = False
      end>
  end
  object StatusBar1: TStatusBar
    Left = 0
    Top = 454
    Width = 688
    Height = 19
    Panels = <
      item
        Width = 150
      end
      item
        Width = 50
      end>
  end
  object TreePanel: TPanel
    Left = 0
    Top = 41
    Width = 185
    Height = 413
    Align = alLeft
    TabOrder = 2
    object Chart1: TChart
      Left = 1
      Top = 1
      Width = 183
      Height = 250
      Legend.Visible = False
      Title.Text.Strings = (
        'Orders per month')
      LeftAxis.Maximum = 125.500000000000000000
      View3D = False
      Align = alTop
      TabOrder = 0
      object Series1: TBarSeries
        Marks.Visible = False
        XValues.Name = 'X'
        XValues.Order = loAscending
        YValues.Name = 'Bar'
        YValues.Multiplier = 1.000000000000000000
        YValues.Order = loNone
      end
    end
    object Logo: TImage
      Left = 1
      Top = 251
      Width = 183
      Height = 161
      Align = alClient
      Center = True
      Proportional = True
      Picture.Data = {
        07544269746D6170B4000000424D00070E151C232A31383F464D545B62697077
        7E858C939AA1A8AFB6BDC4CBD2D9E0E7EEF5FC030A11181F262D343B42495057
        5E656C737A81888F969DA4ABB2B9C0C7CED5DCE3EAF1F8FF060D141B22293037
        3E454C535A61686F767D848B9299A0A7AEB5BCC3CAD1D8DFE6EDF4FB02091017
        1E252C333A41484F565D646B727980878E959CA3AAB1B8BFC6CDD4DBE2E9F0F7
        FE050C131A21282F363D444B525960676E757C838A91989FA6ADB4BBC2C9D0D7}
    end
  end
  object MainMenu1: TMainMenu
    Left = 392
    Top = 200
    object FileMenu: TMenuItem
      Caption = '&Datei – Größe'
      object FileOpen: TMenuItem
        Caption = '&Open...'
        ShortCut = 16463
        OnClick = FileOpenClick
      end
      object N1: TMenuItem
        Caption = '-'
      end
      object FileExit: TMenuItem
        Caption = 'E&xit'
        OnClick = FileExitClick
      end
    end
  end
  object Notes: TMemo
    Left = 400
    Top = 300
    Width = 185
    Height = 89
    Lines.Strings = (
      #1050#1080#1088#1080#1083#1083#1080#1094#1072': '#1055#1088#1080#1074#1077#1090', '#1084#1080#1088'!'
      'Gr'#246#223'e: 12 cm '#8211' Preis: 9,99 '#8364
      ''
      
        'A line that is long enough to need more than one segment of sixt' +
        'y-four characters in the file'
      'It''s done.')
    TabOrder = 3
  end
end
