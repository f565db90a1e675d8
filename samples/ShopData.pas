unit ShopData;

interface

uses
  SysUtils, Classes, DB, Mysqldbtables;

type
  TShopData = class(TDataModule)
    ShopDb: TmySQLDatabase;
    Customers: TmySQLTable;
    CustomersSource: TDataSource;
    Orders: TmySQLTable;
    OrderList: TmySQLQuery;
    OrderListUpdate: TmySQLUpdateSQL;
  private
    { Private declarations }
  public
    { Public declarations }
  end;

var
  ShopData: TShopData;

implementation

{$R *.dfm}

end.
