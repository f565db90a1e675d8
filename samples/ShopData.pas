unit ShopData;

interface

uses
  SysUtils, Classes, DB, Mysqldbtables;

type
  TShopData = class(TDataModule)
    ShopDb: TmySQLDatabase;
    qOrders: TmySQLQuery;
    dsOrders: TDataSource;
    updOrders: TmySQLUpdateSQL;
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
