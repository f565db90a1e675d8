unit OrderLines;

interface

uses
  SysUtils, Classes, DB, Mysqldbtables, ShopData;

type
  TOrderLines = class(TDataModule)
    tLines: TmySQLTable;
  private
    { Private declarations }
  public
    { Public declarations }
  end;

var
  OrderLines: TOrderLines;

implementation

{$R *.dfm}

end.
