object CollectionEditor: TCollectionEditorForm
  BorderStyle = bsSizeToolWin
  ClientHeight = 240
  ClientWidth = 260
  Position = poScreenCenter
  object ItemList: TListBox
    Left = 8
    Top = 8
    Width = 160
    Height = 224
    TabOrder = 0
  end
  object AddButton: TButton
    Left = 177
    Top = 8
    Width = 75
    Height = 25
    Caption = '&Add'
    TabOrder = 1
    OnClick = AddClick
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
  object UpButton: TButton
    Left = 177
    Top = 72
    Width = 75
    Height = 25
    Caption = 'Move &Up'
    TabOrder = 3
    OnClick = UpClick
  end
  object DownButton: TButton
    Left = 177
    Top = 104
    Width = 75
    Height = 25
    Caption = 'Move Dow&n'
    TabOrder = 4
    OnClick = DownClick
  end
  object CloseButton: TButton
    Left = 177
    Top = 207
    Width = 75
    Height = 25
    Cancel = True
    Caption = 'Close'
    ModalResult = 1
    TabOrder = 5
  end
end
