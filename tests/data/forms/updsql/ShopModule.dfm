object ShopModule: TShopModule
  OldCreateOrder = False
  Height = 200
  Width = 300
  object ShopDb: TmySQLDatabase
    DatabaseName = 'shop'
    UserName = 'nobody'
    Host = 'db.example.invalid'
    LoginPrompt = False
    Left = 24
    Top = 16
  end
  object Orders: TmySQLQuery
    Database = ShopDb
    UpdateObject = OrdersUpdate
    SQL.Strings = (
      'SELECT o.id, o.customer, c.name'
      'FROM orders o, customers c'
      'WHERE o.customer = c.id')
    Left = 96
    Top = 16
  end
  object OrdersUpdate: TmySQLUpdateSQL
    Left = 168
    Top = 16
  end
end
