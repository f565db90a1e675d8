unit Kunden;

{ Kundenverwaltung – Stammdaten. Größe der Tabellen: siehe Handbuch. }

interface

uses Mysqldbtables,
  Windows, SysUtils, Classes, Controls, Forms, DB, DBTables, Grids, DBGrids,
{$IFDEF USE_REPORTS}
  QuickRpt, QRCtrls;
{$ELSE}
  Printers;
{$ENDIF}

type
  TKundenForm = class(TForm)
    KundenTable, OrteTable: TmySQLTable;
    Die_KundenTable: TTable;
    Die_OrteTable: TTable;
    KundenSource: TDataSource;
    KundenGrid: TDBGrid;
    procedure FormShow(Sender: TObject);
  private
    { Private-Deklarationen }
  public
    { Public-Deklarationen }
  end;

var
  KundenForm: TKundenForm;

implementation

{$R *.DFM}

procedure TKundenForm.FormShow(Sender: TObject);
begin
  Caption := 'Kunden (Größe: ' + IntToStr(KundenTable.RecordCount) + ')'#13#10'für ''heute''';
end;

end.
