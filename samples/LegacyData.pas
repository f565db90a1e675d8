unit LegacyData;

interface

uses
  SysUtils, Classes, DB, DBTables;

type
  TLegacyData = class(TDataModule)
    ShopBde: TDatabase;
    qCustomers: TQuery;
    qCustomersid: TAutoIncField;
    qCustomersname: TStringField;
    dsCustomers, dsOrders: TDataSource;
    tOrders: TTable;
    updOrders: TUpdateSQL;
    spCloseOrder: TStoredProc;
    procedure qCustomersAfterScroll(DataSet: TDataSet);
  private
    { Private declarations }
  public
    { Public declarations }
  end;

var
  LegacyData: TLegacyData;

implementation

{$R *.dfm}

procedure TLegacyData.qCustomersAfterScroll(DataSet: TDataSet);
begin
  { the orders follow the customer through dsCustomers }
end;

end.
