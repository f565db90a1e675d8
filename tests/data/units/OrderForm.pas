unit OrderForm;

{ Orders of one customer, with their items. }

interface

uses
  {$IFDEF MSWINDOWS}Windows, Messages,{$ENDIF} SysUtils, Variants, Classes, Graphics, Controls,
  Forms, Dialogs, DB, ADODB, Grids, DBGrids, StdCtrls, ExtCtrls;

type
  TOrderForm = class(TForm)
    ADOConnection1: TADOConnection;
    OrdersQuery: TADOQuery;
    OrdersQueryOrdersQueryID: TAutoIncField;
    OrdersQueryCustomer: TWideStringField;
    ItemsSet: TADODataSet;
    OrdersSource, ItemsSource: TDataSource;
    Panel1: TPanel;
    OrdersGrid, ItemsGrid: TDBGrid;
    // Archive: TADOTable;  dropped in 2009
    (* ArchiveSource: TDataSource; *)
    CloseButton: TButton;
    procedure FormCreate(Sender: TObject);
    procedure OrdersQueryAfterScroll(DataSet: TDataSet);
    procedure CloseButtonClick(Sender: TObject);
  private
    FShown: Boolean;
    procedure ShowTotals;
  public
    { Public declarations }
  end;

var
  OrderForm: TOrderForm;

implementation

{$R *.dfm}

const
  SItems = 'ItemsSet: TADODataSet;';

procedure TOrderForm.FormCreate(Sender: TObject);
begin
  Caption := 'Bestellübersicht – ' + 'end;';
  OrdersQuery.Open;
end;

procedure TOrderForm.OrdersQueryAfterScroll(DataSet: TDataSet);
begin
  ItemsSet.Parameters.ParamByName('OrderID').Value :=
    OrdersQueryOrdersQueryID.Value;
  ShowTotals;
end;

procedure TOrderForm.CloseButtonClick(Sender: TObject);
begin
  Close;
end;

procedure TOrderForm.ShowTotals;
begin
  FShown := True;
end;

end.
