object MySQLAboutComp: TMySQLAboutComp
  Left = 300
  Top = 200
  BorderIcons = [biSystemMenu]
  BorderStyle = bsDialog
  Caption = 'About...'
  ClientHeight = 278
  ClientWidth = 287
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OldCreateOrder = False
  Position = poScreenCenter
  OnCreate = FormCreate
  PixelsPerInch = 96
  TextHeight = 13
  object Bevel1: TBevel
    Left = 8
    Top = 8
    Width = 271
    Height = 225
    Shape = bsFrame
  end
  object Image1: TImage
    Left = 131
    Top = 16
    Width = 24
    Height = 24
    Center = True
    Picture.Data = {
      07544269746D617096010000424D960100000000000076000000280000001800
      0000180000000100040000000000200100000000000000000000100000000000
      00000000000000408000FFFFFF00808000000000000000000000000000000000
      0000000000000000000000000000000000000000000000000000000000000000
      0000222222222222222222222222222222222333333222222222222222333333
      3333332222222222233333333333333222222222333331111113333322222223
      3331111111111333322222333311113333111133332222333111333333331113
      3322223331133333333331133322233311133333333331113332233311333333
      3333331133322333113333333333331133322333113333333333331133322333
      1133333333333311333223331113333333333111333222333113333333333113
      3322223331113333333311133322223333111133331111333322222333311111
      1111133332222222333331111113333322222222233333333333333222222222
      2233333333333322222222222222233333322222222222222222222222222222
      2222}
  end
  object Label1: TLabel
    Left = 16
    Top = 48
    Width = 255
    Height = 13
    Alignment = taCenter
    AutoSize = False
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
    Caption = 'TMySQLUpdateSQL'
  end
  object VersionLabel: TLabel
    Left = 16
    Top = 68
    Width = 255
    Height = 13
    Alignment = taCenter
    AutoSize = False
    Caption = 'V.'
  end
  object Label5: TLabel
    Left = 16
    Top = 92
    Width = 255
    Height = 13
    Alignment = taCenter
    AutoSize = False
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
    WordWrap = True
    Caption = 'Ombrix(tm)'
  end
  object lCopyright: TLabel
    Left = 16
    Top = 124
    Width = 255
    Height = 13
    Alignment = taCenter
    AutoSize = False
  end
  object Label3: TLabel
    Left = 16
    Top = 176
    Width = 255
    Height = 13
    Alignment = taCenter
    AutoSize = False
    Cursor = crHandPoint
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlue
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsUnderline]
    ParentFont = False
    Caption = 'Ask for support'
    OnClick = SpeedButton1Click
  end
  object Label4: TLabel
    Left = 16
    Top = 200
    Width = 255
    Height = 13
    Alignment = taCenter
    AutoSize = False
    Cursor = crHandPoint
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlue
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsUnderline]
    ParentFont = False
    Caption = 'Check for updates'
    OnClick = SpeedButton2Click
  end
  object Button1: TButton
    Left = 106
    Top = 244
    Width = 75
    Height = 25
    Cancel = True
    Caption = 'OK'
    Default = True
    ModalResult = 1
    TabOrder = 0
  end
end
