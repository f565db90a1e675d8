object ShopData: TShopData
  OldCreateOrder = False
  Height = 240
  Width = 360
  object ShopDb: TmySQLDatabase
    DatabaseName = 'shop'
    UserName = 'shop'
    Host = 'db.shop.example'
    LoginPrompt = False
    Connected = True
    Left = 32
    Top = 16
  end
  object qOrders: TmySQLQuery
    Database = ShopDb
    UpdateObject = updOrders
    SQL.Strings = (
      'SELECT o.id, o.customer_id, o.order_date, o.status, o.total'
      'FROM orders o'
      'ORDER BY o.order_date DESC')
    Left = 112
    Top = 16
  end
  object dsOrders: TDataSource
    DataSet = qOrders
    Left = 112
    Top = 72
  end
  object updOrders: TmySQLUpdateSQL
    Left = 192
    Top = 16
  end
end
