unit DataMod;

interface

uses
  SysUtils, Classes, DB, DBTables, Mysqldbtables;

type
  TMastData = class(TDataModule)
    Database1: TDatabase;
    CustQuery: TmySQLQuery;
    Die_CustQuery: TQuery;
    CustQueryCustNo: TFloatField;
    CustQueryCompany: TStringField;
    CustSource: TDataSource;
    OrdersTable: TmySQLTable; // orders of the customer
    Die_OrdersTable: TTable;
    OrdersSource: TDataSource;
    CustUpdate: TmySQLUpdateSQL;
    Die_CustUpdate: TUpdateSQL;
    MySQLDatabase1: TmySQLDatabase;
    procedure CustQueryBeforeOpen(DataSet: TDataSet);
    procedure OrdersTableCalcFields(DataSet: TDataSet);
  private
    { Private declarations }
  public
    { Public declarations }
  end;

var
  MastData: TMastData;

implementation

{$R *.dfm}

procedure TMastData.CustQueryBeforeOpen(DataSet: TDataSet);
begin
  CustQuery.ParamByName('Min').AsInteger := 1000;
end;

procedure TMastData.OrdersTableCalcFields(DataSet: TDataSet);
begin
  { OrdersTable: TTable; is not a declaration here }
  OrdersTable.FieldByName('Total').AsFloat := 0;
end;

end.
