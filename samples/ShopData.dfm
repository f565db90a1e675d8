object ShopData: TShopData
  OldCreateOrder = False
  Height = 260
  Width = 420
  object ShopDb: TmySQLDatabase
    DatabaseName = 'shop'
    UserName = 'shop'
    Host = 'localhost'
    LoginPrompt = False
    Left = 24
    Top = 16
  end
  object Customers: TmySQLTable
    Database = ShopDb
    TableName = 'customers'
    Left = 104
    Top = 16
  end
  object CustomersSource: TDataSource
    DataSet = Customers
    Left = 184
    Top = 16
  end
  object Orders: TmySQLTable
    Database = ShopDb
    TableName = 'orders'
    MasterSource = CustomersSource
    Left = 264
    Top = 16
  end
  object OrderList: TmySQLQuery
    Database = ShopDb
    UpdateObject = OrderListUpdate
    SQL.Strings = (
      'SELECT o.id, o.customer, o.amount, c.name'
      'FROM orders o, customers c'
      'WHERE o.customer = c.id')
    Left = 104
    Top = 88
  end
  object OrderListUpdate: TmySQLUpdateSQL
    Left = 184
    Top = 88
  end
end
