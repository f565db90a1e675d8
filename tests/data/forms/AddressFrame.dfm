object AddressFrame: TAddressFrame
  Left = 0
  Top = 0
  Width = 320
  Height = 97
  TabOrder = 0
  object StreetLabel: TLabel
    Left = 8
    Top = 12
    Width = 34
    Height = 13
    Caption = 'Street:'
  end
  object StreetEdit: TDBEdit
    Left = 64
    Top = 8
    Width = 249
    Height = 21
    DataField = 'Addr1'
    DataSource = AddressSource
    TabOrder = 0
  end
  object AddressSource: TDataSource
    Left = 16
    Top = 48
  end
end
