object OrderLines: TOrderLines
  OldCreateOrder = False
  Height = 150
  Width = 215
  object tLines: TmySQLTable
    Database = ShopData.ShopDb
    TableName = 'order lines'
    MasterSource = ShopData.dsOrders
    Left = 24
    Top = 16
  end
end
