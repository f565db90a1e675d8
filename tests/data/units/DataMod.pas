unit DataMod;

interface

uses
  SysUtils, Classes, DB, DBTables;

type
  TMastData = class(TDataModule)
    Database1: TDatabase;
    CustQuery: TQuery;
    CustQueryCustNo: TFloatField;
    CustQueryCompany: TStringField;
    CustSource: TDataSource;
    OrdersTable: DBTables.TTable; // orders of the customer
    OrdersSource: TDataSource;
    CustUpdate: TUpdateSQL;
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
