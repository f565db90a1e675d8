object Einstellungen: TEinstellungen
  Left = 192
  Top = 107
  BorderStyle = bsDialog
  Caption = 'Einstellungen für Überweisungen'
  ClientHeight = 180
  ClientWidth = 360
  Font.Charset = ANSI_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OldCreateOrder = True
  PixelsPerInch = 96
  TextHeight = 13
  object GebuehrLabel: TLabel
    Left = 8
    Top = 8
    Width = 120
    Height = 13
    Caption = 'Gebühr in € (zzgl. MwSt.)'
  end
  object HinweisMemo: TMemo
    Left = 8
    Top = 32
    Width = 344
    Height = 100
    Lines.Strings = (
      'Bitte prüfen Sie die Angaben.'
      'Größere Beträge benötigen eine Freigabe – siehe Handbuch, Seite 12.'
      '« Zurück » und „Weiter“')
    TabOrder = 0
  end
  object OKBtn: TButton
    Left = 196
    Top = 148
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    ModalResult = 1
    TabOrder = 1
  end
  object CancelBtn: TButton
    Left = 276
    Top = 148
    Width = 75
    Height = 25
    Cancel = True
    Caption = 'Abbrechen'
    ModalResult = 2
    TabOrder = 2
  end
end
