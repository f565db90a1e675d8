unit ZeosForm;

interface

uses
  SysUtils, Classes, DB, ZAbstractRODataset, ZDataset, ZSqlUpdate, ZStoredProcedure;

type
  TZeosData = class(TDataModule)
    ZConnection1: TZConnection;
    ZQuery1: TZQuery;
    ZUpdateSQL1: TZUpdateSQL;
    ZTable1: TZTable;
    ZStoredProc1: TZStoredProc;
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
