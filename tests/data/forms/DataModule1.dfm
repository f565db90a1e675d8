object DataModule1: TDataModule1
  OldCreateOrder = False
  OnCreate = DataModuleCreate
  Height = 317
  Width = 486
  object Database1: TDatabase
    AliasName = 'SALES'
    DatabaseName = 'Demo'
    LoginPrompt = False
    Params.Strings = (
      'USER NAME=sysdba'
      'PASSWORD=masterkey'
      'SERVER NAME=localhost:C:\Data\demo.gdb')
    SessionName = 'Default'
    Left = 40
    Top = 16
  end
  object Customers: TQuery
    BeforeOpen = CustomersBeforeOpen
    AfterScroll = CustomersAfterScroll
    DatabaseName = 'Demo'
    SQL.Strings = (
      
        'select c.CustNo, c.Company, c.Addr1, c.City, c.State, c.Country,' +
        ' c.Phone, c.TaxRate, c.LastInvoiceDate'
      'from CUSTOMER c'
      
        'where c.Country in (''US'', ''Canada'', ''Bahamas'', ''Fiji'', ''Jamaica''' +
        ', ''St Lucia'', ''Columbia'')'
      '  and c.Company <> '''''
      'order by c.Company')
    UpdateObject = CustomersUpdate
    CachedUpdates = True
    Left = 128
    Top = 16
    object CustomersCustNo: TFloatField
      FieldName = 'CustNo'
      Origin = '"CUSTOMER.DB".CustNo'
      DisplayFormat = 'CN 0000'
    end
    object CustomersCompany: TStringField
      DisplayLabel = 'Company name'
      DisplayWidth = 24
      FieldName = 'Company'
      Size = 30
    end
    object CustomersCity: TStringField
      FieldName = 'City'
      Size = 15
    end
    object CustomersCountry: TStringField
      FieldName = 'Country'
      Size = 20
    end
    object CustomersTaxRate: TFloatField
      FieldName = 'TaxRate'
      DisplayFormat = '0.00%'
      MaxValue = 100.000000000000000000
      Precision = 4
    end
    object CustomersLastInvoiceDate: TDateTimeField
      FieldName = 'LastInvoiceDate'
      DisplayFormat = 'dd.mm.yyyy'
    end
    object CustomersCountryName: TStringField
      FieldKind = fkLookup
      FieldName = 'CountryName'
      LookupDataSet = Countries
      LookupKeyFields = 'Name'
      LookupResultField = 'Capital'
      KeyFields = 'Country'
      Size = 24
      Lookup = True
    end
    object CustomersBalance: TCurrencyField
      FieldKind = fkCalculated
      FieldName = 'Balance'
      Calculated = True
    end
  end
  object CustomersUpdate: TUpdateSQL
    ModifySQL.Strings = (
      'update CUSTOMER'
      'set'
      '  Company = :Company,'
      '  City = :City,'
      '  Country = :Country'
      'where'
      '  CustNo = :OLD_CustNo')
    InsertSQL.Strings = (
      'insert into CUSTOMER'
      '  (CustNo, Company, City, Country)'
      'values'
      '  (:CustNo, :Company, :City, :Country)')
    DeleteSQL.Strings = (
      'delete from CUSTOMER'
      'where'
      '  CustNo = :OLD_CustNo')
    Left = 128
    Top = 72
  end
  object dsCustomers: TDataSource
    DataSet = Customers
    Left = 216
    Top = 16
  end
  object Orders: TQuery
    DatabaseName = 'Demo'
    DataSource = dsCustomers
    SQL.Strings = (
      'select * from ORDERS'
      'where CustNo = :CustNo')
    Left = 296
    Top = 16
    ParamData = <
      item
        DataType = ftFloat
        Name = 'CustNo'
        ParamType = ptUnknown
      end>
  end
  object Countries: TTable
    DatabaseName = 'Demo'
    FieldDefs = <
      item
        Name = 'Name'
        DataType = ftString
        Size = 24
      end
      item
        Name = 'Capital'
        DataType = ftString
        Size = 24
      end
      item
        Name = 'Area'
        DataType = ftFloat
      end>
    IndexDefs = <
      item
        Name = 'CountriesPrimary'
        Fields = 'Name'
        Options = [ixPrimary, ixUnique]
      end
      item
        Name = 'ByCapital'
        Fields = 'Capital'
        Options = [ixCaseInsensitive]
      end>
    IndexName = 'CountriesPrimary'
    StoreDefs = True
    TableName = 'country.db'
    Left = 40
    Top = 72
  end
  object dsOrders: TDataSource
    DataSet = Orders
    Left = 296
    Top = 72
  end
end
