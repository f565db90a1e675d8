unit CustEdit;

interface

uses
  Windows, SysUtils, Classes, Controls, Forms, DB, DBTables, StdCtrls, BaseEdit
  {$IFDEF DEBUG}, DebugLog{$ENDIF}, Mysqldbtables;

type
  TCustEditForm = class(TBaseEditForm)
    ContactsQuery: TmySQLQuery;
    ContactsSource: TDataSource;
    ContactsLabel: TLabel;
    MySQLDatabase1: TmySQLDatabase;
    procedure ContactsQueryAfterOpen(DataSet: TDataSet);
  private
    { Private-Deklarationen }
  public
    { Public-Deklarationen }
  end;

var
  CustEditForm: TCustEditForm;

implementation

{$R *.dfm}

procedure TCustEditForm.ContactsQueryAfterOpen(DataSet: TDataSet);
begin
  ContactsLabel.Caption := Format('%d Ansprechpartner für „%s“',
    [ContactsQuery.RecordCount, MainQuery.FieldByName('Firma').AsString]);
end;

end.
