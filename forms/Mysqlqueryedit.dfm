object SQLEditForm: TSQLEditForm
  Left = 283
  Top = 171
  Caption = 'SQL Editor'
  ClientHeight = 321
  ClientWidth = 529
  Color = clBtnFace
  Constraints.MinHeight = 200
  Constraints.MinWidth = 300
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OldCreateOrder = False
  Position = poScreenCenter
  OnCreate = FormCreate
  OnDestroy = FormDestroy
  OnShow = FormShow
  PixelsPerInch = 96
  TextHeight = 13
  object TopPanel: TPanel
    Left = 0
    Top = 0
    Width = 529
    Height = 20
    Align = alTop
    BevelOuter = bvNone
    TabOrder = 0
    object SQLLabel: TLabel
      Left = 188
      Top = 4
      Width = 24
      Height = 13
      Caption = '&SQL:'
    end
  end
  object ButtonPanel: TPanel
    Left = 0
    Top = 284
    Width = 529
    Height = 37
    Align = alBottom
    BevelOuter = bvNone
    TabOrder = 4
    object Image1: TImage
      Left = 8
      Top = 12
      Width = 10
      Height = 6
      AutoSize = True
      Picture.Data = {
        07544269746D6170A6000000424DA60000000000000076000000280000000A00
        0000060000000100040000000000300000000000000000000000100000000000
        0000000000000000800000800000008080008000000080008000808000008080
        8000C0C0C0000000FF0000FF000000FFFF00FF000000FF00FF00FFFF0000FFFF
        FF00333333333300000030999999030000003309999033000000333099033300
        000033330033330000003333333333000000}
      Transparent = True
      Visible = False
    end
    object OkButton: TButton
      Left = 287
      Top = 6
      Width = 75
      Height = 25
      Anchors = [akTop, akRight]
      Caption = '&OK'
      Default = True
      ModalResult = 1
      TabOrder = 0
    end
    object CancelButton: TButton
      Left = 367
      Top = 6
      Width = 75
      Height = 25
      Anchors = [akTop, akRight]
      Cancel = True
      Caption = 'Cancel'
      ModalResult = 2
      TabOrder = 1
    end
    object HelpButton: TButton
      Left = 447
      Top = 6
      Width = 75
      Height = 25
      Anchors = [akTop, akRight]
      Caption = '&Help'
      TabOrder = 2
      OnClick = HelpButtonClick
    end
  end
  object MetaInfoPanel: TPanel
    Left = 0
    Top = 20
    Width = 185
    Height = 264
    Align = alLeft
    BevelOuter = bvNone
    TabOrder = 1
    object TableListPanel: TPanel
      Left = 0
      Top = 0
      Width = 185
      Height = 129
      Align = alTop
      BevelOuter = bvNone
      TabOrder = 0
      object TableListLabel: TLabel
        Left = 8
        Top = 0
        Width = 35
        Height = 13
        Caption = '&Tables:'
        FocusControl = TableList
      end
      object TableList: TListBox
        Left = 8
        Top = 16
        Width = 177
        Height = 82
        Anchors = [akLeft, akTop, akRight, akBottom]
        ItemHeight = 13
        TabOrder = 0
        OnClick = TableListClick
        OnDblClick = AddTableButtonClick
        OnEnter = SQLMemoExit
      end
      object AddTableButton: TButton
        Left = 8
        Top = 102
        Width = 177
        Height = 25
        Anchors = [akLeft, akRight, akBottom]
        Caption = 'Add T&able to SQL'
        TabOrder = 1
        OnClick = AddTableButtonClick
      end
    end
    object TableFieldsSplitter: TSplitter
      Left = 0
      Top = 129
      Width = 185
      Height = 3
      Cursor = crVSplit
      Align = alTop
      MinSize = 1
      OnCanResize = TableFieldsSplitterCanResize
    end
    object FieldsPanel: TPanel
      Left = 0
      Top = 132
      Width = 185
      Height = 132
      Align = alClient
      BevelOuter = bvNone
      TabOrder = 1
      object FieldListLabel: TLabel
        Left = 8
        Top = 2
        Width = 30
        Height = 13
        Caption = '&Fields:'
        FocusControl = FieldList
      end
      object FieldList: TListBox
        Left = 8
        Top = 18
        Width = 177
        Height = 64
        Anchors = [akLeft, akTop, akRight, akBottom]
        ItemHeight = 13
        MultiSelect = True
        TabOrder = 0
        OnDblClick = AddFieldButtonClick
        OnEnter = SQLMemoExit
      end
      object AddFieldButton: TButton
        Left = 8
        Top = 86
        Width = 177
        Height = 25
        Anchors = [akLeft, akRight, akBottom]
        Caption = 'Add F&ield to SQL'
        TabOrder = 1
        OnClick = AddFieldButtonClick
      end
      object chbSystemObjects: TCheckBox
        Left = 8
        Top = 114
        Width = 177
        Height = 17
        Anchors = [akLeft, akRight, akBottom]
        Caption = 'Sho&w system tables and fields'
        TabOrder = 2
        OnClick = chbSystemObjectsClick
      end
    end
  end
  object MetaInfoSQLSplitter: TSplitter
    Left = 185
    Top = 20
    Width = 3
    Height = 264
    Cursor = crHSplit
    MinSize = 100
    OnCanResize = MetaInfoSQLSplitterCanResize
    OnMoved = MetaInfoSQLSplitterMoved
  end
  object SQLMemoPanel: TPanel
    Left = 188
    Top = 20
    Width = 341
    Height = 264
    Align = alClient
    BevelOuter = bvNone
    TabOrder = 3
  end
end
