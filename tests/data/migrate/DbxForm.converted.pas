unit DbxForm;

interface

uses
  SysUtils, Classes, Forms, DB, SqlExpr, DBXMySQL, Mysqldbtables;

type
  TDbxForm = class(TForm)
    SQLConnection1: TSQLConnection;
    CustomersQuery: TmySQLQuery;
    LinesSet: TmySQLQuery; // the items of an order
    ProductsTable: TmySQLTable;
    CloseProc: TmySQLStoredProc;
    dsCustomers: TDataSource;
  private
    { Private declarations }
  public
    { Public declarations }
  end;

var
  DbxForm: TDbxForm;

implementation

{$R *.dfm}

end.
