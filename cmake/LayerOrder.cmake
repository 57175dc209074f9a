# The source folders under src/, lowest layer first, and for each the folders
# its files may include from. A folder may only name folders listed before
# it, so the folders can never include each other in a cycle. A new folder
# has to be placed here before it builds.
set(TW_LAYERS text codes base jvlink records store analysis view reports season import print
              standin feedgen acquire shell render cli gui)

set(TW_LAYER_text "")
set(TW_LAYER_codes text)
# Settings, paths, clock, error log and the user port: low, for everyone.
set(TW_LAYER_base text)
# The data interface and the Windows COM control behind it.
set(TW_LAYER_jvlink text)
# The one place that knows record layouts and field positions.
set(TW_LAYER_records text codes)
set(TW_LAYER_store text codes base records)
set(TW_LAYER_analysis text codes base records store)
set(_above_analysis text codes base records store analysis)
set(TW_LAYER_view ${_above_analysis})
set(TW_LAYER_reports ${_above_analysis})
# The season report: many days loaded as the program loads one, and the bets
# of each checked as the hit report checks them.
set(TW_LAYER_season ${_above_analysis} reports)
set(TW_LAYER_import ${_above_analysis})
# The printed season report draws the season's tables.
set(TW_LAYER_print ${_above_analysis} reports season)
# The local stand-in for JV-Link and the sample feed it serves.
set(TW_LAYER_standin text codes base jvlink records)
set(TW_LAYER_feedgen text codes base records)
# Downloads and fetches: JV-Link streams into the store, then a reload.
set(TW_LAYER_acquire text codes base jvlink records store analysis)
# Start-up, closing and the commands of the main window that sit on top.
set(TW_LAYER_shell text codes base jvlink records store analysis view reports import print standin acquire)
# Qt (QtGui only): drawing the print-out's pages and writing them as a PDF.
set(TW_LAYER_render text codes base records store analysis print)
set(TW_LAYER_cli text codes base jvlink records store analysis view reports season import print standin feedgen
                 acquire shell render)
set(TW_LAYER_gui text codes base jvlink records store analysis view reports season import print standin acquire
                 shell render)

# The folders that must never include Qt.
set(TW_CORE_LAYERS text codes base jvlink records store analysis view reports season import print standin feedgen
                   acquire shell)
