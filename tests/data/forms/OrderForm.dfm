object OrderForm: TOrderForm
  Left = 0
  Top = 0
  Caption = 'Orders'
  ClientHeight = 340
  ClientWidth = 480
  OnCreate = FormCreate
  PixelsPerInch = 96
  TextHeight = 13
  inline ShipTo: TAddressFrame
    Left = 8
    Top = 8
    Width = 320
    TabOrder = 0
    ExplicitLeft = 8
    ExplicitTop = 8
    inherited StreetEdit: TDBEdit
      DataSource = OrderForm.dsOrders
    end
    inherited AddressSource: TDataSource
      DataSet = DataModule1.Customers
    end
    object ZipEdit: TEdit
      Left = 64
      Top = 36
      Width = 65
      Height = 21
      TabOrder = 1
    end
  end
  object OrderGrid: TDBGrid
    Left = 8
    Top = 112
    Width = 464
    Height = 220
    DataSource = dsOrders
    TabOrder = 1
    Columns = <>
  end
  object dsOrders: TDataSource
    DataSet = DataModule1.Orders
    Left = 400
    Top = 16
  end
  object ItemsQuery: TQuery
    DatabaseName = 'Demo'
    DataSource = dsOrders
    SQL.Strings = (
      'select * from ITEMS where OrderNo = :OrderNo')
    Left = 400
    Top = 64
    object ItemsQueryPartName: TStringField
      FieldKind = fkLookup
      FieldName = 'PartName'
      LookupDataSet = DataModule1.Countries
      LookupKeyFields = 'Name'
      LookupResultField = 'Capital'
      KeyFields = 'PartNo'
      Size = 30
      Lookup = True
    end
  end
end
