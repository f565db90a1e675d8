object Catalog: TCatalog
  OldCreateOrder = False
  Height = 200
  Width = 400
  object CatalogDb: TmySQLDatabase
    DatabaseName = 'shop'
    UserName = 'nobody'
    Host = 'db.example.invalid'
    LoginPrompt = False
    Left = 24
    Top = 16
  end
  object Products: TmySQLTable
    Database = CatalogDb
    TableName = 'products'
    Left = 96
    Top = 16
  end
  object ProductsSource: TDataSource
    DataSet = Products
    Left = 96
    Top = 72
  end
  object Lines: TmySQLTable
    Database = CatalogDb
    TableName = 'items'
    Left = 168
    Top = 16
  end
  object LinesSource: TDataSource
    DataSet = Lines
    Left = 168
    Top = 72
  end
  object Prices: TmySQLStoredProc
    Database = CatalogDb
    ProcedureName = 'price_of'
    Left = 240
    Top = 16
  end
  object Loose: TmySQLTable
    Left = 312
    Top = 16
  end
end
