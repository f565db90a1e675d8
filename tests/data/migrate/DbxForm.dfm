object DbxForm: TDbxForm
  Caption = 'Customers'
  ClientHeight = 300
  ClientWidth = 400
  object SQLConnection1: TSQLConnection
    ConnectionName = 'ShopConnection'
    DriverName = 'MySQL'
    LoginPrompt = False
    Left = 16
    Top = 8
  end
  object CustomersQuery: TSQLQuery
    SQLConnection = SQLConnection1
    SQL.Strings = (
      'select CustNo, Company'
      'from customer')
    Left = 88
    Top = 8
  end
  object LinesSet: TSQLDataSet
    SQLConnection = SQLConnection1
    CommandText = 'select OrderID, Item'#13#10'from items'
    Left = 160
    Top = 8
  end
  object ProductsTable: TSQLTable
    SQLConnection = SQLConnection1
    TableName = 'products'
    Left = 232
    Top = 8
  end
  object CloseProc: TSQLStoredProc
    SQLConnection = SQLConnection1
    StoredProcName = 'close_order'
    Left = 304
    Top = 8
  end
  object dsCustomers: TDataSource
    DataSet = MastData.CustQuery
    Left = 88
    Top = 64
  end
end
