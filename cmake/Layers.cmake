# The source folders as layers, lowest first: folder:rank. A folder may include only from
# folders of a lower rank (its own included); folders of one rank are siblings and include
# nothing of each other. Each folder is a library target that links only downward.
set(TRAXO_LAYERS
    platform:0
    mousecore:1 sets:1
    recognition:2
    actions:3 capture:3
    app:4
    controls:5
    ui:6
    app/entry:7)
