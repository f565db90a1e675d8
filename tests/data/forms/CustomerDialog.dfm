inherited CustomerDialog: TCustomerDialog
  Caption = 'Customer'
  ClientHeight = 262
  OnShow = FormShow
  ExplicitHeight = 300
  PixelsPerInch = 96
  TextHeight = 13
  inherited ButtonPanel: TPanel
    Top = 221
    ExplicitTop = 221
    inherited OKButton: TButton
      OnClick = OKButtonClick
    end
    object ApplyButton: TButton [2]
      Left = 8
      Top = 8
      Width = 75
      Height = 25
      Caption = '&Apply'
      TabOrder = 2
      OnClick = ApplyButtonClick
    end
  end
  object NameLabel: TLabel [1]
    Left = 16
    Top = 16
    Width = 31
    Height = 13
    Caption = 'Name:'
  end
  object NameEdit: TDBEdit [2]
    Left = 16
    Top = 32
    Width = 273
    Height = 21
    DataField = 'Company'
    DataSource = DataModule1.dsCustomers
    TabOrder = 1
  end
end
