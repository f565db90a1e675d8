unit ZeosForm;

interface

uses
  SysUtils, Classes, DB, ZAbstractRODataset, ZDataset, ZSqlUpdate, ZStoredProcedure, Mysqldbtables;

type
  TZeosData = class(TDataModule)
    ZConnection1: TZConnection;
    ZQuery1: TmySQLQuery;
    ZUpdateSQL1: TmySQLUpdateSQL;
    ZTable1: TmySQLTable;
    ZStoredProc1: TmySQLStoredProc;
    Details: TNestedTable;
    procedure ZQuery1AfterPost(DataSet: TDataSet);
  private
  public
  end;

var
  ZeosData: TZeosData;

implementation

{$R *.dfm}

procedure TZeosData.ZQuery1AfterPost(DataSet: TDataSet);
begin
  ZQuery1.Refresh;
end;

end.
