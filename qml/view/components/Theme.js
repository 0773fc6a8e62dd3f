.pragma library

// Colours and sizes shared by every screen: a dark, warm panel that stays readable in a dim room.

var background = "#16110e"
var surface = "#241b16"
var surfaceRaised = "#31261f"
var surfacePressed = "#45362c"
var outline = "#4a3a2f"
var text = "#f4e9de"
var textDim = "#b5a393"
var textFaint = "#7d6d60"
var accent = "#e8964a"        // amber: heat, targets, active controls
var accentStrong = "#f2a65a"
var ember = "#d0603a"         // the heater is on
var water = "#6fa7bd"         // humidity
var calm = "#8fb37a"          // confirmations
var danger = "#c9553f"
var shadow = "#a0000000"

var radius = 10
var spacing = 8
var margin = 12
var touchTarget = 48          // smallest finger-sized control
var rowHeight = 56
var tabBarHeight = 58        // the bottom tab bar and each of its tabs

var fontSmall = 13
var fontNormal = 16
var fontLarge = 20
var fontHuge = 46
