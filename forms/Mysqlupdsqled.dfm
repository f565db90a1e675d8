object MySQLUpdateSQLEditForm: TMySQLUpdateSQLEditForm
  Left = 262
  Top = 158
  ActiveControl = CancelButton
  BorderIcons = [biSystemMenu]
  BorderStyle = bsDialog
  Caption = 'MySQLUpdateSQLEditForm'
  ClientHeight = 333
  ClientWidth = 463
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OldCreateOrder = True
  Position = poScreenCenter
  OnCloseQuery = FormCloseQuery
  OnCreate = FormCreate
  OnDestroy = FormDestroy
  PixelsPerInch = 96
  TextHeight = 13
  object OkButton: TButton
    Left = 216
    Top = 302
    Width = 75
    Height = 25
    Caption = '&OK'
    Default = True
    ModalResult = 1
    TabOrder = 1
    OnClick = OkButtonClick
  end
  object CancelButton: TButton
    Left = 298
    Top = 302
    Width = 75
    Height = 25
    Cancel = True
    Caption = 'Cancel'
    ModalResult = 2
    TabOrder = 2
  end
  object HelpButton: TButton
    Left = 380
    Top = 302
    Width = 75
    Height = 25
    Caption = '&Help'
    TabOrder = 3
    OnClick = HelpButtonClick
  end
  object PageControl: TPageControl
    Left = 8
    Top = 8
    Width = 447
    Height = 287
    ActivePage = FieldsPage
    TabOrder = 0
    OnChanging = PageControlChanging
    object FieldsPage: TTabSheet
      Caption = 'Options'
      object GroupBox1: TGroupBox
        Left = 6
        Top = 4
        Width = 427
        Height = 251
        Caption = ' SQL Generation '
        TabOrder = 0
        object Label1: TLabel
          Left = 9
          Top = 18
          Width = 61
          Height = 13
          Caption = 'Table &Name:'
          FocusControl = UpdateTableName
        end
        object Label2: TLabel
          Left = 140
          Top = 18
          Width = 52
          Height = 13
          Caption = '&Key Fields:'
          FocusControl = KeyFieldList
        end
        object Label3: TLabel
          Left = 284
          Top = 18
          Width = 68
          Height = 13
          Caption = 'Update &Fields:'
          FocusControl = UpdateFieldList
        end
        object UpdateTableName: TComboBox
          Left = 9
          Top = 34
          Width = 123
          Height = 21
          ItemHeight = 13
          TabOrder = 0
          OnChange = UpdateTableNameChange
          OnClick = UpdateTableNameClick
        end
        object GetTableFieldsButton: TButton
          Left = 9
          Top = 64
          Width = 123
          Height = 25
          Caption = 'Get &Table Fields'
          TabOrder = 1
          OnClick = GetTableFieldsButtonClick
        end
        object DefaultButton: TButton
          Left = 9
          Top = 94
          Width = 123
          Height = 25
          Caption = '&Dataset Defaults'
          Enabled = False
          TabOrder = 2
          OnClick = DefaultButtonClick
        end
        object PrimaryKeyButton: TButton
          Left = 9
          Top = 124
          Width = 123
          Height = 25
          Caption = 'Select &Primary Keys'
          TabOrder = 3
          OnClick = PrimaryKeyButtonClick
        end
        object GenerateButton: TButton
          Left = 9
          Top = 154
          Width = 123
          Height = 25
          Caption = '&Generate SQL'
          TabOrder = 4
          OnClick = GenerateButtonClick
        end
        object QuoteFields: TCheckBox
          Left = 9
          Top = 190
          Width = 123
          Height = 17
          Caption = '&Quote Field Names'
          TabOrder = 5
          OnClick = SettingsChanged
        end
        object KeyFieldList: TListBox
          Left = 140
          Top = 34
          Width = 137
          Height = 209
          ItemHeight = 13
          MultiSelect = True
          PopupMenu = FieldListPopup
          TabOrder = 6
          OnClick = SettingsChanged
        end
        object UpdateFieldList: TListBox
          Left = 284
          Top = 34
          Width = 135
          Height = 209
          ItemHeight = 13
          MultiSelect = True
          PopupMenu = FieldListPopup
          TabOrder = 7
          OnClick = SettingsChanged
        end
      end
    end
    object SQLPage: TTabSheet
      Caption = 'SQL'
      ImageIndex = 1
      object Label4: TLabel
        Left = 8
        Top = 52
        Width = 48
        Height = 13
        Caption = 'S&QL Text:'
        FocusControl = SQLMemo
      end
      object StatementType: TRadioGroup
        Left = 6
        Top = 4
        Width = 427
        Height = 42
        Caption = 'Statement Type'
        Columns = 4
        ItemIndex = 0
        Items.Strings = (
          '&Modify'
          '&Insert'
          '&Delete'
          '&Refresh Record')
        TabOrder = 0
        OnClick = StatementTypeClick
      end
      object SQLMemo: TMemo
        Left = 6
        Top = 68
        Width = 427
        Height = 187
        ScrollBars = ssVertical
        TabOrder = 1
        OnKeyPress = SQLMemoKeyPress
      end
    end
  end
  object FieldListPopup: TPopupMenu
    Left = 12
    Top = 300
    object miSelectAll: TMenuItem
      Caption = '&Select All'
      OnClick = SelectAllClick
    end
    object miClearAll: TMenuItem
      Caption = '&Clear All'
      OnClick = ClearAllClick
    end
  end
end
