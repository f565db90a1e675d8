object Extra: TExtra
  OldCreateOrder = False
  Height = 100
  Width = 100
  object ExtraSource: TDataSource
    Left = 24
    Top = 16
  end
end
