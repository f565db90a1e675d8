object BrokenDialog: TBrokenDialog
  Caption = 'Broken'
  object Grid: TFancyGrid
    Left = 8
  end
end
