object ConnForm: TConnForm
  Left = 245
  Top = 108
  BorderStyle = bsDialog
  Caption = 'MySQL connection options'
  ClientHeight = 374
  ClientWidth = 297
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  KeyPreview = True
  OldCreateOrder = False
  Position = poScreenCenter
  OnCreate = FormCreate
  OnDestroy = FormDestroy
  OnKeyPress = FormKeyPress
  PixelsPerInch = 96
  TextHeight = 13
  object Label1: TLabel
    Left = 8
    Top = 12
    Width = 90
    Height = 13
    Caption = 'Database Name:'
    FocusControl = DBName
  end
  object DBName: TEdit
    Left = 112
    Top = 8
    Width = 169
    Height = 21
    TabOrder = 0
  end
  object Label2: TLabel
    Left = 8
    Top = 40
    Width = 90
    Height = 13
    Caption = 'User ID:'
    FocusControl = DBUserID
  end
  object DBUserID: TEdit
    Left = 112
    Top = 36
    Width = 169
    Height = 21
    TabOrder = 1
  end
  object Label3: TLabel
    Left = 8
    Top = 68
    Width = 90
    Height = 13
    Caption = 'Password:'
    FocusControl = DBPasswd
  end
  object DBPasswd: TEdit
    Left = 112
    Top = 64
    Width = 169
    Height = 21
    PasswordChar = '*'
    TabOrder = 2
  end
  object Label4: TLabel
    Left = 8
    Top = 96
    Width = 90
    Height = 13
    Caption = 'Host Name/IP'
    FocusControl = DBHost
  end
  object DBHost: TEdit
    Left = 112
    Top = 92
    Width = 169
    Height = 21
    TabOrder = 3
  end
  object Label5: TLabel
    Left = 8
    Top = 124
    Width = 90
    Height = 13
    Caption = 'Server Port:'
    FocusControl = DBPort
  end
  object DBPort: TEdit
    Left = 112
    Top = 120
    Width = 169
    Height = 21
    TabOrder = 4
  end
  object Label6: TLabel
    Left = 8
    Top = 152
    Width = 90
    Height = 13
    Caption = 'Character set'
    FocusControl = cbCharset
  end
  object cbCharset: TComboBox
    Left = 112
    Top = 148
    Width = 169
    Height = 21
    ItemHeight = 13
    TabOrder = 5
    OnChange = cbCharsetChange
  end
  object Label7: TLabel
    Left = 8
    Top = 180
    Width = 90
    Height = 13
    Caption = 'Collation'
    FocusControl = cbCollation
  end
  object cbCollation: TComboBox
    Left = 112
    Top = 176
    Width = 169
    Height = 21
    ItemHeight = 13
    TabOrder = 6
  end
  object DBLogin: TCheckBox
    Left = 112
    Top = 204
    Width = 169
    Height = 17
    Caption = 'Login Prompt'
    TabOrder = 7
  end
  object GroupBox1: TGroupBox
    Left = 8
    Top = 228
    Width = 281
    Height = 105
    Caption = 'Connection Options'
    TabOrder = 8
    object CheckBox2: TCheckBox
      Left = 16
      Top = 20
      Width = 121
      Height = 17
      Caption = 'FoundRows'
      TabOrder = 0
    end
    object CheckBox5: TCheckBox
      Left = 144
      Top = 20
      Width = 121
      Height = 17
      Caption = 'NoSchema'
      TabOrder = 1
    end
    object CheckBox6: TCheckBox
      Left = 16
      Top = 40
      Width = 121
      Height = 17
      Caption = 'Compress'
      TabOrder = 2
    end
    object CheckBox7: TCheckBox
      Left = 144
      Top = 40
      Width = 121
      Height = 17
      Caption = 'ODBC'
      TabOrder = 3
    end
    object CheckBox9: TCheckBox
      Left = 16
      Top = 60
      Width = 121
      Height = 17
      Caption = 'IgnoreSpaces'
      TabOrder = 4
    end
    object CheckBox10: TCheckBox
      Left = 144
      Top = 60
      Width = 121
      Height = 17
      Caption = 'Interactive'
      TabOrder = 5
    end
    object CheckBox11: TCheckBox
      Left = 16
      Top = 80
      Width = 121
      Height = 17
      Caption = 'SSL'
      TabOrder = 6
    end
  end
  object OkBtn: TButton
    Left = 126
    Top = 341
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    ModalResult = 1
    TabOrder = 9
  end
  object CancelBtn: TButton
    Left = 214
    Top = 341
    Width = 75
    Height = 25
    Cancel = True
    Caption = 'Cancel'
    ModalResult = 2
    TabOrder = 10
  end
end
