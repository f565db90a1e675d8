object LinkFields: TLinkFields
  Left = 232
  Top = 128
  ActiveControl = IndexList
  BorderIcons = [biSystemMenu]
  BorderStyle = bsDialog
  Caption = 'Field Link Designer'
  ClientHeight = 313
  ClientWidth = 409
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OldCreateOrder = True
  Position = poScreenCenter
  OnCreate = FormCreate
  OnDestroy = FormDestroy
  PixelsPerInch = 96
  TextHeight = 13
  object Bevel1: TBevel
    Left = 8
    Top = 8
    Width = 393
    Height = 265
    Shape = bsFrame
  end
  object IndexLabel: TLabel
    Left = 16
    Top = 16
    Width = 87
    Height = 13
    Caption = 'A&vailable Indexes'
    FocusControl = IndexList
  end
  object Label1: TLabel
    Left = 16
    Top = 64
    Width = 63
    Height = 13
    Caption = 'D&etail Fields'
    FocusControl = DetailList
  end
  object Label2: TLabel
    Left = 256
    Top = 64
    Width = 67
    Height = 13
    Caption = '&Master Fields'
    FocusControl = MasterList
  end
  object Label3: TLabel
    Left = 16
    Top = 160
    Width = 67
    Height = 13
    Caption = '&Joined Fields'
    FocusControl = BindList
  end
  object IndexList: TComboBox
    Left = 16
    Top = 32
    Width = 169
    Height = 21
    Style = csDropDownList
    ItemHeight = 13
    TabOrder = 0
    OnChange = IndexListChange
    OnClick = IndexListChange
  end
  object DetailList: TListBox
    Left = 16
    Top = 80
    Width = 137
    Height = 73
    ItemHeight = 13
    TabOrder = 1
    OnClick = BindingListClick
  end
  object AddButton: TButton
    Left = 168
    Top = 100
    Width = 73
    Height = 25
    Caption = '&Add'
    Enabled = False
    TabOrder = 2
    OnClick = AddButtonClick
  end
  object MasterList: TListBox
    Left = 256
    Top = 80
    Width = 137
    Height = 73
    ItemHeight = 13
    TabOrder = 3
    OnClick = BindingListClick
  end
  object BindList: TListBox
    Left = 16
    Top = 176
    Width = 289
    Height = 89
    ItemHeight = 13
    MultiSelect = True
    TabOrder = 4
    OnClick = BindListClick
  end
  object DeleteButton: TButton
    Left = 320
    Top = 176
    Width = 73
    Height = 25
    Caption = '&Delete'
    Enabled = False
    TabOrder = 5
    OnClick = DeleteButtonClick
  end
  object ClearButton: TButton
    Left = 320
    Top = 208
    Width = 73
    Height = 25
    Caption = '&Clear'
    Enabled = False
    TabOrder = 6
    OnClick = ClearButtonClick
  end
  object Button1: TButton
    Left = 168
    Top = 282
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    ModalResult = 1
    TabOrder = 7
    OnClick = BitBtn1Click
  end
  object Button2: TButton
    Left = 248
    Top = 282
    Width = 75
    Height = 25
    Cancel = True
    Caption = 'Cancel'
    ModalResult = 2
    TabOrder = 8
  end
  object Help: TButton
    Left = 328
    Top = 282
    Width = 75
    Height = 25
    Caption = '&Help'
    TabOrder = 9
    OnClick = HelpClick
  end
end
