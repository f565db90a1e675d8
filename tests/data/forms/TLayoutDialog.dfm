object LayoutDialog: TLayoutDialog
  Left = 192
  Top = 107
  ActiveControl = CancelButton
  BorderStyle = bsDialog
  Caption = 'Layout Test'
  ClientHeight = 300
  ClientWidth = 420
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  KeyPreview = True
  OldCreateOrder = False
  Position = poScreenCenter
  OnCloseQuery = FormCloseQuery
  OnCreate = FormCreate
  PixelsPerInch = 96
  TextHeight = 13
  object Pages: TPageControl
    Left = 8
    Top = 8
    Width = 404
    Height = 249
    ActivePage = FieldsPage
    TabOrder = 0
    OnChanging = PagesChanging
    object FieldsPage: TTabSheet
      Caption = 'Options'
      object Label1: TLabel
        Left = 8
        Top = 8
        Width = 60
        Height = 13
        Caption = 'Table &Name:'
        FocusControl = TableCombo
        Font.Charset = DEFAULT_CHARSET
        Font.Color = clWindowText
        Font.Height = -11
        Font.Name = 'MS Sans Serif'
        Font.Style = [fsBold]
        ParentFont = False
      end
      object Image1: TImage
        Left = 300
        Top = 8
        Width = 10
        Height = 6
        Picture.Data = {
          07544269746D617046000000424D46000000000000003E000000280000000300
          0000020000000100040000000000080000000000000000000000020000000000
          0000008080000000FF000000000010100000}
        Transparent = True
        Visible = False
      end
      object TableCombo: TComboBox
        Left = 8
        Top = 24
        Width = 145
        Height = 21
        ItemHeight = 13
        TabOrder = 1
        OnChange = TableComboChange
        OnClick = TableComboClick
      end
      object FieldList: TListBox
        Left = 8
        Top = 56
        Width = 121
        Height = 97
        ItemHeight = 13
        Items.Strings = (
          'id'
          'name'
          'price')
        MultiSelect = True
        PopupMenu = FieldListPopup
        TabOrder = 0
        OnClick = FieldListClick
      end
      object StatementType: TRadioGroup
        Left = 8
        Top = 160
        Width = 385
        Height = 41
        Caption = ' Statement Type '
        Columns = 2
        ItemIndex = 0
        Items.Strings = (
          '&Modify'
          '&Insert')
        TabOrder = 2
      end
      object Password: TEdit
        Left = 160
        Top = 24
        Width = 121
        Height = 21
        PasswordChar = '*'
        TabOrder = 3
      end
    end
    object SQLPage: TTabSheet
      Caption = 'SQL'
      ImageIndex = 1
      object SQLMemo: TMemo
        Left = 0
        Top = 0
        Width = 396
        Height = 221
        Align = alClient
        Lines.Strings = (
          'select *'
          'from t')
        ScrollBars = ssVertical
        TabOrder = 0
        OnKeyPress = SQLMemoKeyPress
      end
    end
  end
  object OkButton: TButton
    Left = 176
    Top = 268
    Width = 75
    Height = 25
    Caption = '&OK'
    Default = True
    ModalResult = 1
    TabOrder = 1
    OnClick = OkButtonClick
  end
  object CancelButton: TButton
    Left = 256
    Top = 268
    Width = 75
    Height = 25
    Cancel = True
    Caption = 'Cancel'
    ModalResult = 2
    TabOrder = 2
  end
  object FieldListPopup: TPopupMenu
    Left = 344
    Top = 264
    object miSelectAll: TMenuItem
      Caption = '&Select All'
      OnClick = SelectAllClick
    end
  end
end
