object ZeosData: TZeosData
  Height = 200
  Width = 300
  object ZConnection1: TZConnection
    Protocol = 'mysql'
    HostName = 'localhost'
    Database = 'shop'
    Left = 16
    Top = 8
  end
  object ZQuery1: TZQuery
    Connection = ZConnection1
    AfterPost = ZQuery1AfterPost
    UpdateObject = ZUpdateSQL1
    SQL.Strings = (
      'select * from products')
    Left = 88
    Top = 8
  end
  object ZUpdateSQL1: TZUpdateSQL
    ModifySQL.Strings = (
      'update products set Name = :Name where ID = :OLD_ID')
    Left = 88
    Top = 64
  end
  object ZTable1: TZTable
    Connection = ZConnection1
    TableName = 'stock'
    Left = 160
    Top = 8
  end
  object ZStoredProc1: TZStoredProc
    Connection = ZConnection1
    StoredProcName = 'restock'
    Left = 232
    Top = 8
  end
  object Details: TNestedTable
    Left = 232
    Top = 64
  end
end
