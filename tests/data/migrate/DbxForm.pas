unit DbxForm;

interface

uses
  SysUtils, Classes, Forms, DB, SqlExpr, DBXMySQL;

type
  TDbxForm = class(TForm)
    SQLConnection1: TSQLConnection;
    CustomersQuery: TSQLQuery;
    LinesSet: TSQLDataSet; // the items of an order
    ProductsTable: TSQLTable;
    CloseProc: TSQLStoredProc;
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
