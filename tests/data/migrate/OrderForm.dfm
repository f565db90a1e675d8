object OrderForm: TOrderForm
  Left = 0
  Top = 0
  Caption = 'Orders'
  ClientHeight = 400
  ClientWidth = 600
  OnCreate = FormCreate
  PixelsPerInch = 96
  TextHeight = 13
  object ADOConnection1: TADOConnection
    ConnectionString = 'Provider=MSDASQL.1;Data Source=shop'
    LoginPrompt = False
    Left = 24
    Top = 8
  end
  object OrdersQuery: TADOQuery
    Connection = ADOConnection1
    AfterScroll = OrdersQueryAfterScroll
    SQL.Strings = (
      'select ID, Customer, CustNo from orders')
    Left = 96
    Top = 8
    object OrdersQueryOrdersQueryID: TAutoIncField
      FieldName = 'ID'
    end
    object OrdersQueryCustomer: TWideStringField
      FieldName = 'Customer'
      Size = 40
    end
    object OrdersQueryCompany: TStringField
      FieldKind = fkLookup
      FieldName = 'Company'
      LookupDataSet = MastData.CustQuery
      LookupKeyFields = 'CustNo'
      LookupResultField = 'Company'
      KeyFields = 'CustNo'
      Size = 30
      Lookup = True
    end
  end
  object ItemsSet: TADODataSet
    Connection = ADOConnection1
    CommandText = 'select OrderID, Item, Qty'#13#10'from items'#13#10'where OrderID = :ID'
    DataSource = OrdersSource
    Left = 168
    Top = 8
  end
  object OrdersSource: TDataSource
    DataSet = OrdersQuery
    Left = 96
    Top = 64
  end
  object ItemsSource: TDataSource
    DataSet = ItemsSet
    Left = 168
    Top = 64
  end
  object Panel1: TPanel
    Left = 0
    Top = 120
    Width = 600
    Height = 280
    Align = alBottom
    TabOrder = 0
    object OrdersGrid: TDBGrid
      Left = 8
      Top = 8
      Width = 280
      Height = 220
      DataSource = OrdersSource
      TabOrder = 0
    end
    object ItemsGrid: TDBGrid
      Left = 296
      Top = 8
      Width = 280
      Height = 220
      DataSource = ItemsSource
      TabOrder = 1
    end
    object CloseButton: TButton
      Left = 500
      Top = 240
      Width = 75
      Height = 25
      Caption = 'Close'
      TabOrder = 2
      OnClick = CloseButtonClick
    end
  end
end
