object LegacyData: TLegacyData
  OldCreateOrder = False
  Height = 240
  Width = 420
  object ShopBde: TDatabase
    AliasName = 'SHOP'
    DatabaseName = 'ShopBde'
    LoginPrompt = False
    Left = 24
    Top = 16
  end
  object qCustomers: TQuery
    AfterScroll = qCustomersAfterScroll
    DatabaseName = 'ShopBde'
    SQL.Strings = (
      'SELECT id, name, city FROM customers'
      'ORDER BY name')
    Left = 104
    Top = 16
    object qCustomersid: TAutoIncField
      FieldName = 'id'
    end
    object qCustomersname: TStringField
      FieldName = 'name'
      Size = 60
    end
  end
  object dsCustomers: TDataSource
    DataSet = qCustomers
    Left = 104
    Top = 72
  end
  object tOrders: TTable
    DatabaseName = 'ShopBde'
    TableName = 'orders'
    IndexFieldNames = 'customer_id'
    MasterFields = 'id'
    MasterSource = dsCustomers
    UpdateObject = updOrders
    CachedUpdates = True
    Left = 184
    Top = 16
  end
  object dsOrders: TDataSource
    DataSet = tOrders
    Left = 184
    Top = 72
  end
  object updOrders: TUpdateSQL
    ModifySQL.Strings = (
      'UPDATE orders SET status = :status WHERE id = :OLD_id')
    Left = 264
    Top = 16
  end
  object spCloseOrder: TStoredProc
    DatabaseName = 'ShopBde'
    StoredProcName = 'close_order'
    Left = 344
    Top = 16
  end
end
