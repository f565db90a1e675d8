object MastData: TMastData
  OldCreateOrder = False
  Height = 300
  Width = 400
  object Database1: TDatabase
    DatabaseName = 'Shop'
    AliasName = 'ShopAlias'
    LoginPrompt = False
    Left = 24
    Top = 16
  end
  object CustQuery: TQuery
    BeforeOpen = CustQueryBeforeOpen
    DatabaseName = 'Shop'
    CachedUpdates = True
    RequestLive = True
    UpdateObject = CustUpdate
    SQL.Strings = (
      'select CustNo, Company from customer'
      'where CustNo >= :Min')
    Left = 96
    Top = 16
    object CustQueryCustNo: TFloatField
      FieldName = 'CustNo'
    end
    object CustQueryCompany: TStringField
      FieldName = 'Company'
      Size = 30
    end
  end
  object CustSource: TDataSource
    DataSet = CustQuery
    Left = 96
    Top = 72
  end
  object OrdersTable: TTable
    OnCalcFields = OrdersTableCalcFields
    DatabaseName = 'Shop'
    TableName = 'orders'
    IndexFieldNames = 'CustNo'
    MasterFields = 'CustNo'
    MasterSource = CustSource
    Filtered = True
    Filter = 'Total > 0'
    Left = 168
    Top = 16
  end
  object OrdersSource: TDataSource
    DataSet = OrdersTable
    Left = 168
    Top = 72
  end
  object CustUpdate: TUpdateSQL
    ModifySQL.Strings = (
      'update customer set Company = :Company'
      'where CustNo = :OLD_CustNo')
    InsertSQL.Strings = (
      'insert into customer (CustNo, Company) values (:CustNo, :Company)')
    DeleteSQL.Strings = (
      'delete from customer where CustNo = :OLD_CustNo')
    Left = 240
    Top = 16
  end
end
