object FieldsEditor: TFieldsEditorForm
  BorderStyle = bsSizeToolWin
  ClientHeight = 240
  ClientWidth = 260
  Position = poScreenCenter
  object FieldList: TListBox
    Left = 8
    Top = 8
    Width = 160
    Height = 224
    MultiSelect = True
    TabOrder = 0
  end
  object AddAllButton: TButton
    Left = 177
    Top = 8
    Width = 75
    Height = 25
    Caption = 'Add &all fields'
    TabOrder = 1
    OnClick = AddAllClick
  end
  object DeleteButton: TButton
    Left = 177
    Top = 40
    Width = 75
    Height = 25
    Caption = '&Delete'
    TabOrder = 2
    OnClick = DeleteClick
  end
  object CloseButton: TButton
    Left = 177
    Top = 207
    Width = 75
    Height = 25
    Cancel = True
    Caption = 'Close'
    ModalResult = 1
    TabOrder = 3
  end
end
