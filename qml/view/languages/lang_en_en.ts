<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="en_GB">
<context>
    <name>CalendarPage</name>
    <message>
        <source>Calendar</source>
        <translation>Calendar</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Week</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Dates</translation>
    </message>
    <message>
        <source>Queue</source>
        <translation>Queue</translation>
    </message>
    <message>
        <source>Date program</source>
        <translation>Date program</translation>
    </message>
    <message>
        <source>Weekly program</source>
        <translation>Weekly program</translation>
    </message>
</context>
<context>
    <name>DurationStepper</name>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
</context>
<context>
    <name>FavoriteEditPage</name>
    <message>
        <source>Favorite</source>
        <translation>Favorite</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Humidity</translation>
    </message>
    <message>
        <source>Edit bath time</source>
        <translation>Edit bath time</translation>
    </message>
    <message>
        <source>Bath time</source>
        <translation>Bath time</translation>
    </message>
    <message>
        <source>Set bath time</source>
        <translation>Set bath time</translation>
    </message>
    <message>
        <source>Lights</source>
        <translation>Lights</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
</context>
<context>
    <name>FavoritesPage</name>
    <message>
        <source>Favorites</source>
        <translation>Favorites</translation>
    </message>
    <message>
        <source>Save current settings as favorite</source>
        <translation>Save current settings as favorite</translation>
    </message>
</context>
<context>
    <name>GeneralMenuPage</name>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
</context>
<context>
    <name>GenericListView</name>
    <message>
        <source>Nothing to show</source>
        <translation>Nothing to show</translation>
    </message>
</context>
<context>
    <name>HeaterSettingsPage</name>
    <message>
        <source>Heater settings</source>
        <translation>Heater settings</translation>
    </message>
    <message>
        <source>Bath time</source>
        <translation>Bath time</translation>
    </message>
    <message>
        <source>Save bath time</source>
        <translation>Save bath time</translation>
    </message>
    <message>
        <source>Fan</source>
        <translation>Fan</translation>
    </message>
    <message>
        <source>Fan running</source>
        <translation>Fan running</translation>
    </message>
    <message>
        <source>Automatic fan</source>
        <translation>Automatic fan</translation>
    </message>
    <message>
        <source>Runs with the heater</source>
        <translation>Runs with the heater</translation>
    </message>
    <message>
        <source>Auxiliary relays</source>
        <translation>Auxiliary relays</translation>
    </message>
</context>
<context>
    <name>HumidityStepper</name>
    <message>
        <source>level</source>
        <translation>level</translation>
    </message>
</context>
<context>
    <name>LightsTile</name>
    <message>
        <source>Lights</source>
        <translation>Lights</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
</context>
<context>
    <name>LockedControlPage</name>
    <message>
        <source>Target temperature</source>
        <translation>Target temperature</translation>
    </message>
    <message>
        <source>Target humidity</source>
        <translation>Target humidity</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Unlock</translation>
    </message>
</context>
<context>
    <name>MainControlPage</name>
    <message>
        <source>Humidity %1</source>
        <translation>Humidity %1</translation>
    </message>
    <message>
        <source>Humidity --</source>
        <translation>Humidity --</translation>
    </message>
    <message>
        <source>Target temperature</source>
        <translation>Target temperature</translation>
    </message>
    <message>
        <source>Target humidity</source>
        <translation>Target humidity</translation>
    </message>
    <message>
        <source>Bath time</source>
        <translation>Bath time</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Time left</translation>
    </message>
    <message>
        <source>Fan</source>
        <translation>Fan</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
</context>
<context>
    <name>NotConnectedNotice</name>
    <message>
        <source>No sauna is connected. Connect one in Settings → Network.</source>
        <translation>No sauna is connected. Connect one in Settings → Network.</translation>
    </message>
</context>
<context>
    <name>OnScreenKeyboard</name>
    <message>
        <source>At most %1 characters</source>
        <translation>At most %1 characters</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>PinChangePage</name>
    <message>
        <source>Wrong PIN</source>
        <translation>Wrong PIN</translation>
    </message>
    <message>
        <source>Invalid PIN</source>
        <translation>Invalid PIN</translation>
    </message>
    <message>
        <source>The PINs do not match</source>
        <translation>The PINs do not match</translation>
    </message>
    <message>
        <source>Change PIN</source>
        <translation>Change PIN</translation>
    </message>
    <message>
        <source>Enter current PIN</source>
        <translation>Enter current PIN</translation>
    </message>
    <message>
        <source>Enter new PIN</source>
        <translation>Enter new PIN</translation>
    </message>
    <message>
        <source>Confirm new PIN</source>
        <translation>Confirm new PIN</translation>
    </message>
</context>
<context>
    <name>PinEntryPage</name>
    <message>
        <source>Enter PIN</source>
        <translation>Enter PIN</translation>
    </message>
    <message>
        <source>Wrong PIN</source>
        <translation>Wrong PIN</translation>
    </message>
</context>
<context>
    <name>PinSettingsPage</name>
    <message>
        <source>PIN</source>
        <translation>PIN</translation>
    </message>
</context>
<context>
    <name>ProgramSettingsPage</name>
    <message>
        <source>Ready at</source>
        <translation>Ready at</translation>
    </message>
    <message>
        <source>Set ready time</source>
        <translation>Set ready time</translation>
    </message>
    <message>
        <source>Custom settings</source>
        <translation>Custom settings</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Humidity</translation>
    </message>
    <message>
        <source>Stop after</source>
        <translation>Stop after</translation>
    </message>
    <message>
        <source>Set stop time</source>
        <translation>Set stop time</translation>
    </message>
    <message>
        <source>Use custom settings</source>
        <translation>Use custom settings</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Start at</source>
        <translation>Start at</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Set start time</source>
        <translation>Set start time</translation>
    </message>
    <message>
        <source>Set temperature</source>
        <translation>Set temperature</translation>
    </message>
    <message>
        <source>Set humidity</source>
        <translation>Set humidity</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>PC Panel</source>
        <translation>PC Panel</translation>
    </message>
    <message>
        <source>Smart Phone</source>
        <translation>Smart Phone</translation>
    </message>
    <message>
        <source>Tablet</source>
        <translation>Tablet</translation>
    </message>
    <message>
        <source>Home Automation</source>
        <translation>Home Automation</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>X3-X4</source>
        <translation>X3-X4</translation>
    </message>
    <message>
        <source>X5-X6</source>
        <translation>X5-X6</translation>
    </message>
    <message>
        <source>X7-X8</source>
        <translation>X7-X8</translation>
    </message>
    <message>
        <source>X9-X10</source>
        <translation>X9-X10</translation>
    </message>
    <message>
        <source>X11-X12</source>
        <translation>X11-X12</translation>
    </message>
    <message>
        <source>X13-X14</source>
        <translation>X13-X14</translation>
    </message>
    <message>
        <source>X15-X16</source>
        <translation>X15-X16</translation>
    </message>
    <message>
        <source>X17-X18</source>
        <translation>X17-X18</translation>
    </message>
    <message>
        <source>X19-X20</source>
        <translation>X19-X20</translation>
    </message>
    <message>
        <source>X21-X22</source>
        <translation>X21-X22</translation>
    </message>
    <message>
        <source>X23-X24</source>
        <translation>X23-X24</translation>
    </message>
    <message>
        <source>X25-X26</source>
        <translation>X25-X26</translation>
    </message>
    <message>
        <source>X27-X28</source>
        <translation>X27-X28</translation>
    </message>
    <message>
        <source>X29-X30</source>
        <translation>X29-X30</translation>
    </message>
    <message>
        <source>Combi manual</source>
        <translation>Combi manual</translation>
    </message>
    <message>
        <source>Combi automatic</source>
        <translation>Combi automatic</translation>
    </message>
    <message>
        <source>Steam private</source>
        <translation>Steam private</translation>
    </message>
    <message>
        <source>Steam private auto</source>
        <translation>Steam private auto</translation>
    </message>
    <message>
        <source>Steam public</source>
        <translation>Steam public</translation>
    </message>
    <message>
        <source>Steam public/private Manual Empty</source>
        <translation>Steam public/private Manual Empty</translation>
    </message>
    <message>
        <source>Sauna box addon</source>
        <translation>Sauna box addon</translation>
    </message>
    <message>
        <source>Sauna</source>
        <translation>Sauna</translation>
    </message>
    <message>
        <source>Sauna Low</source>
        <translation>Sauna Low</translation>
    </message>
    <message>
        <source>Sauna IR</source>
        <translation>Sauna IR</translation>
    </message>
    <message>
        <source>Vaho</source>
        <translation>Vaho</translation>
    </message>
    <message>
        <source>Lumo</source>
        <translation>Lumo</translation>
    </message>
    <message>
        <source>Orvela</source>
        <translation>Orvela</translation>
    </message>
    <message>
        <source>Kastela</source>
        <translation>Kastela</translation>
    </message>
    <message>
        <source>Undefined</source>
        <translation>Undefined</translation>
    </message>
    <message>
        <source>Crest Wifi</source>
        <translation>Crest Wifi</translation>
    </message>
    <message>
        <source>Zenith Wifi</source>
        <translation>Zenith Wifi</translation>
    </message>
    <message>
        <source>K9</source>
        <translation>K9</translation>
    </message>
    <message>
        <source>Vertex</source>
        <translation>Vertex</translation>
    </message>
    <message>
        <source>Fell Wifi</source>
        <translation>Fell Wifi</translation>
    </message>
    <message>
        <source>Crest</source>
        <translation>Crest</translation>
    </message>
    <message>
        <source>Zenith</source>
        <translation>Zenith</translation>
    </message>
    <message>
        <source>K9 (no Wifi)</source>
        <translation>K9 (no Wifi)</translation>
    </message>
    <message>
        <source>Vertex (no Wifi)</source>
        <translation>Vertex (no Wifi)</translation>
    </message>
    <message>
        <source>Fell</source>
        <translation>Fell</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Monday</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Tuesday</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Wednesday</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Thursday</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Friday</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Saturday</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sunday</translation>
    </message>
    <message>
        <source>plural_Mondays</source>
        <translation>Mondays</translation>
    </message>
    <message>
        <source>plural_Tuesdays</source>
        <translation>Tuesdays</translation>
    </message>
    <message>
        <source>plural_Wednesdays</source>
        <translation>Wednesdays</translation>
    </message>
    <message>
        <source>plural_Thursdays</source>
        <translation>Thursdays</translation>
    </message>
    <message>
        <source>plural_Fridays</source>
        <translation>Fridays</translation>
    </message>
    <message>
        <source>plural_Saturdays</source>
        <translation>Saturdays</translation>
    </message>
    <message>
        <source>plural_Sundays</source>
        <translation>Sundays</translation>
    </message>
    <message>
        <source>long_form_January</source>
        <translation>January</translation>
    </message>
    <message>
        <source>long_form_February</source>
        <translation>February</translation>
    </message>
    <message>
        <source>long_form_March</source>
        <translation>March</translation>
    </message>
    <message>
        <source>long_form_April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>long_form_May</source>
        <translation>May</translation>
    </message>
    <message>
        <source>long_form_June</source>
        <translation>June</translation>
    </message>
    <message>
        <source>long_form_July</source>
        <translation>July</translation>
    </message>
    <message>
        <source>long_form_August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>long_form_September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>long_form_October</source>
        <translation>October</translation>
    </message>
    <message>
        <source>long_form_November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>long_form_December</source>
        <translation>December</translation>
    </message>
    <message>
        <source>short_form_January</source>
        <translation>Jan</translation>
    </message>
    <message>
        <source>short_form_February</source>
        <translation>Feb</translation>
    </message>
    <message>
        <source>short_form_March</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>short_form_April</source>
        <translation>Apr</translation>
    </message>
    <message>
        <source>short_form_May</source>
        <translation>May</translation>
    </message>
    <message>
        <source>short_form_June</source>
        <translation>Jun</translation>
    </message>
    <message>
        <source>short_form_July</source>
        <translation>Jul</translation>
    </message>
    <message>
        <source>short_form_August</source>
        <translation>Aug</translation>
    </message>
    <message>
        <source>short_form_September</source>
        <translation>Sep</translation>
    </message>
    <message>
        <source>short_form_October</source>
        <translation>Oct</translation>
    </message>
    <message>
        <source>short_form_November</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>short_form_December</source>
        <translation>Dec</translation>
    </message>
    <message>
        <source>degrees_C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>degrees_F</source>
        <translation>°F</translation>
    </message>
    <message>
        <source>Undefined Relay</source>
        <translation>Undefined Relay</translation>
    </message>
    <message>
        <source>Aux %1</source>
        <translation>Aux %1</translation>
    </message>
    <message>
        <source>Multisteam</source>
        <translation>Multisteam</translation>
    </message>
    <message>
        <source>Solvenno</source>
        <translation>Solvenno</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>Lighting</source>
        <translation>Lighting</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Humidity</translation>
    </message>
    <message>
        <source>IR</source>
        <translation>IR</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Ready at</source>
        <translation>Ready at</translation>
    </message>
    <message>
        <source>Start at</source>
        <translation>Start at</translation>
    </message>
    <message>
        <source>Stop after</source>
        <translation>Stop after</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>Favorite</source>
        <translation>Favorite</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Today</translation>
    </message>
    <message>
        <source>Bath</source>
        <translation>Bath</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>Standby</translation>
    </message>
    <message>
        <source>Warm Start</source>
        <translation>Warm Start</translation>
    </message>
    <message>
        <source>Current Settings</source>
        <translation>Current Settings</translation>
    </message>
    <message>
        <source>Delayed start</source>
        <translation>Delayed start</translation>
    </message>
    <message>
        <source>delayed start</source>
        <translation>delayed start</translation>
    </message>
    <message>
        <source>date calendar program</source>
        <translation>date calendar program</translation>
    </message>
    <message>
        <source>weekday calendar program</source>
        <translation>weekday calendar program</translation>
    </message>
    <message>
        <source>ml</source>
        <translation>ml</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Standard network</source>
        <translation>Standard network</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Unknown user message id %1 (0x%2)</source>
        <translation>Unknown user message id %1 (0x%2)</translation>
    </message>
    <message>
        <source>Primary</source>
        <translation>Primary</translation>
    </message>
    <message>
        <source>Secondary</source>
        <translation>Secondary</translation>
    </message>
    <message>
        <source>Descaling</source>
        <translation>Descaling</translation>
    </message>
    <message>
        <source>Auto connect</source>
        <translation>Auto connect</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Update</translation>
    </message>
</context>
<context>
    <name>SaunaStatus</name>
    <message>
        <source>level</source>
        <translation>level</translation>
    </message>
    <message>
        <source>Heating</source>
        <translation>Heating</translation>
    </message>
    <message>
        <source>Drying</source>
        <translation>Drying</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>Standby</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <translation>Cleaning</translation>
    </message>
    <message>
        <source>Descaling</source>
        <translation>Descaling</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
</context>
<context>
    <name>SettingsFrame</name>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>Limits</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Date and time</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <translation>Advanced settings</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Network</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
</context>
<context>
    <name>TemperatureDial</name>
    <message>
        <source>Room</source>
        <translation>Room</translation>
    </message>
    <message>
        <source>Target %1</source>
        <translation>Target %1</translation>
    </message>
</context>
<context>
    <name>WeekProgramsPage</name>
    <message>
        <source>Weekly programs active</source>
        <translation>Weekly programs active</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Name of the favorite</source>
        <translation>Name of the favorite</translation>
    </message>
    <message>
        <source>Name of the relay</source>
        <translation>Name of the relay</translation>
    </message>
    <message>
        <source>Sauna</source>
        <translation>Sauna</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favorites</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendar</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
</context>
<context>
    <name>main_startup_screen</name>
    <message>
        <source>PC Control Panel</source>
        <translation>PC Control Panel</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Starting…</translation>
    </message>
</context>
<context>
    <name>pcPanel::ConnectionInformer</name>
    <message>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>%1 - %2 (connection lost)</source>
        <translation>%1 - %2 (connection lost)</translation>
    </message>
</context>
<context>
    <name>view::ConfigureGeneralPinViewManager</name>
    <message>
        <source>Activate PIN</source>
        <translation>Activate PIN</translation>
    </message>
    <message>
        <source>Change PIN</source>
        <translation>Change PIN</translation>
    </message>
    <message>
        <source>Controls on lockscreen</source>
        <translation>Controls on lockscreen</translation>
    </message>
</context>
<context>
    <name>view::ConfigureGeneralViewManager</name>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Units</translation>
    </message>
    <message>
        <source>PIN</source>
        <translation>PIN</translation>
    </message>
</context>
<context>
    <name>view::LanguageSupport</name>
    <message>
        <source>Czech</source>
        <translation>Czech</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Dutch</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Finnish</translation>
    </message>
    <message>
        <source>French</source>
        <translation>French</translation>
    </message>
    <message>
        <source>German</source>
        <translation>German</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polish</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russian</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>Slovak</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanish</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Swedish</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Danish</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norwegian</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portuguese</translation>
    </message>
</context>
<context>
    <name>view::details::ErrorMessageFunctions</name>
    <message>
        <source>No error</source>
        <translation>No error</translation>
    </message>
    <message>
        <source>Room temperature sensor not connected or malfunctioning</source>
        <translation>Room temperature sensor not connected or malfunctioning</translation>
    </message>
    <message>
        <source>Steam tank temperature sensor not connected or malfunctioning</source>
        <translation>Steam tank temperature sensor not connected or malfunctioning</translation>
    </message>
    <message>
        <source>Relay Control Box PCB has overheated</source>
        <translation>Relay Control Box PCB has overheated</translation>
    </message>
    <message>
        <source>Electrode short circuit</source>
        <translation>Electrode short circuit</translation>
    </message>
    <message>
        <source>Steamtank overfill. Level electrodes malfunction.</source>
        <translation>Steamtank overfill. Level electrodes malfunction.</translation>
    </message>
    <message>
        <source>Contact lost with Zerededid node of node profile Control Panel Home</source>
        <translation>Contact lost with Zerededid node of node profile Control Panel Home</translation>
    </message>
    <message>
        <source>Contact lost with Zerededid node of node profile Temperature/Humidity Sensor</source>
        <translation>Contact lost with Zerededid node of node profile Temperature/Humidity Sensor</translation>
    </message>
    <message>
        <source>Steam tank has overheated</source>
        <translation>Steam tank has overheated</translation>
    </message>
    <message>
        <source>Real-time clock (RTC) communication failure</source>
        <translation>Real-time clock (RTC) communication failure</translation>
    </message>
    <message>
        <source>Communication with addon card lost.</source>
        <translation>Communication with addon card lost.</translation>
    </message>
    <message>
        <source>Emptying of water in steam tank failure. Turn off power and do service.</source>
        <translation>Emptying of water in steam tank failure. Turn off power and do service.</translation>
    </message>
    <message>
        <source>Level electrodes steam tank out of service, interruption mid</source>
        <translation>Level electrodes steam tank out of service, interruption mid</translation>
    </message>
    <message>
        <source>Zerededid connected humidity sensor malfunctioning</source>
        <translation>Zerededid connected humidity sensor malfunctioning</translation>
    </message>
    <message>
        <source>Zerededid connected temperature sensor malfunctioning</source>
        <translation>Zerededid connected temperature sensor malfunctioning</translation>
    </message>
    <message>
        <source>Contact lost with Zerededid node of node profile Relay Control Board</source>
        <translation>Contact lost with Zerededid node of node profile Relay Control Board</translation>
    </message>
    <message>
        <source>High temperature limit control have trip out, must be reset</source>
        <translation>High temperature limit control have trip out, must be reset</translation>
    </message>
    <message>
        <source>Room temperature sensor overheated</source>
        <translation>Room temperature sensor overheated</translation>
    </message>
    <message>
        <source>Too many units connected</source>
        <translation>Too many units connected</translation>
    </message>
    <message>
        <source>The door has been open for more than the allowed time. Ongoing bath cancelled.</source>
        <translation>The door has been open for more than the allowed time. Ongoing bath cancelled.</translation>
    </message>
    <message>
        <source>Magnetic contact open more than 60 seconds since last bath</source>
        <translation>Magnetic contact open more than 60 seconds since last bath</translation>
    </message>
</context>
<context>
    <name>view::details::UserMessageFunctions</name>
    <message>
        <source>Weekday calendar program collision detected</source>
        <translation>Weekday calendar program collision detected</translation>
    </message>
    <message>
        <source>Date calendar program collision detected</source>
        <translation>Date calendar program collision detected</translation>
    </message>
    <message>
        <source>Bathtime limit exceeded. Start will be allowed at %1</source>
        <translation>Bathtime limit exceeded. Start will be allowed at %1</translation>
    </message>
    <message>
        <source>Operation not possible, blocked by not allowed start</source>
        <translation>Operation not possible, blocked by not allowed start</translation>
    </message>
    <message>
        <source>Tank emptying has started, operation is possible when draining is complete</source>
        <translation>Tank emptying has started, operation is possible when draining is complete</translation>
    </message>
    <message>
        <source>Perform control/clean of tank</source>
        <translation>Perform control/clean of tank</translation>
    </message>
    <message>
        <source>Check sauna before next start</source>
        <translation>Check sauna before next start</translation>
    </message>
    <message>
        <source>Fault, tank emptying has started</source>
        <translation>Fault, tank emptying has started</translation>
    </message>
    <message>
        <source>Descaling has started, operation not possible</source>
        <translation>Descaling has started, operation not possible</translation>
    </message>
    <message>
        <source>Descaling completed</source>
        <translation>Descaling completed</translation>
    </message>
    <message>
        <source>Water in tank</source>
        <translation>Water in tank</translation>
    </message>
    <message>
        <source>Manual tank emptying should be performed</source>
        <translation>Manual tank emptying should be performed</translation>
    </message>
    <message>
        <source>Standby operation is no longer possible in the system due to tank sensor error</source>
        <translation>Standby operation is no longer possible in the system due to tank sensor error</translation>
    </message>
    <message>
        <source>Has cleanup been performed?</source>
        <translation>Has cleanup been performed?</translation>
    </message>
    <message>
        <source>No humidity sensor detected. Steam not allowed.</source>
        <translation>No humidity sensor detected. Steam not allowed.</translation>
    </message>
    <message>
        <source>Automatic tank emptying interval has started. Reduced steam.</source>
        <translation>Automatic tank emptying interval has started. Reduced steam.</translation>
    </message>
    <message>
        <source>Automatic tank emptying has started. Operation will resume.</source>
        <translation>Automatic tank emptying has started. Operation will resume.</translation>
    </message>
    <message>
        <source>Communication with addon card lost.</source>
        <translation>Communication with addon card lost.</translation>
    </message>
    <message>
        <source>Room temperature too high. Steam production paused temporarily.</source>
        <translation>Room temperature too high. Steam production paused temporarily.</translation>
    </message>
    <message>
        <source>Not implemented</source>
        <translation>Not implemented</translation>
    </message>
    <message>
        <source>No free %1</source>
        <translation>No free %1</translation>
    </message>
    <message>
        <source>No free favorites posts available</source>
        <translation>No free favorites posts available</translation>
    </message>
    <message>
        <source>A favorite post with specified name already exists</source>
        <translation>A favorite post with specified name already exists</translation>
    </message>
    <message>
        <source>A favorite post named %1 already exists. Overwrite?</source>
        <translation>A favorite post named %1 already exists. Overwrite?</translation>
    </message>
    <message>
        <source>Confirm favorite delete?</source>
        <translation>Confirm favorite delete?</translation>
    </message>
    <message>
        <source>No contact with control board</source>
        <translation>No contact with control board</translation>
    </message>
    <message>
        <source>Confirm clear calendar</source>
        <translation>Confirm clear calendar</translation>
    </message>
    <message>
        <source>Time to ready at less than estimated heating time %1 minutes. Use anyway?</source>
        <translation>Time to ready at less than estimated heating time %1 minutes. Use anyway?</translation>
    </message>
    <message>
        <source>Time to ready at less than heating time %1 minutes estimated from factory settings. Heating time will be calibrated at use. Use anyway?</source>
        <translation>Time to ready at less than heating time %1 minutes estimated from factory settings. Heating time will be calibrated at use. Use anyway?</translation>
    </message>
    <message>
        <source>No door switch magnetic sensor connected</source>
        <translation>No door switch magnetic sensor connected</translation>
    </message>
    <message>
        <source>Delayed start program edited from other panel</source>
        <translation>Delayed start program edited from other panel</translation>
    </message>
    <message>
        <source>Weekday calendar program edited from other panel</source>
        <translation>Weekday calendar program edited from other panel</translation>
    </message>
    <message>
        <source>Date calendar program edited from other panel</source>
        <translation>Date calendar program edited from other panel</translation>
    </message>
    <message>
        <source>No free time gap for new post</source>
        <translation>No free time gap for new post</translation>
    </message>
    <message>
        <source>Favorite post edited from other panel</source>
        <translation>Favorite post edited from other panel</translation>
    </message>
    <message>
        <source>Calendar programs affected by favorite change: %1</source>
        <translation>Calendar programs affected by favorite change: %1</translation>
    </message>
    <message>
        <source>Confirm delete of %1?</source>
        <translation>Confirm delete of %1?</translation>
    </message>
    <message>
        <source>Display will turn OFF due to inactivity (display sleep timer)</source>
        <translation>Display will turn OFF due to inactivity (display sleep timer)</translation>
    </message>
    <message>
        <source>Error switching to new language, old will be kept</source>
        <translation>Error switching to new language, old will be kept</translation>
    </message>
    <message>
        <source>Internal software error detected file %1 line %2: %3</source>
        <translation>Internal software error detected file %1 line %2: %3</translation>
    </message>
    <message>
        <source>File not found %1</source>
        <translation>File not found %1</translation>
    </message>
    <message>
        <source>Key/translation error %1</source>
        <translation>Key/translation error %1</translation>
    </message>
    <message>
        <source>Sauna pause timer has been reset</source>
        <translation>Sauna pause timer has been reset</translation>
    </message>
    <message>
        <source>Sauna not allowed start, %2, conflicts with %1. Save anyway?</source>
        <translation>Sauna not allowed start, %2, conflicts with %1. Save anyway?</translation>
    </message>
    <message>
        <source>Sauna not allowed start, %2, may conflict with %1. Save anyway?</source>
        <translation>Sauna not allowed start, %2, may conflict with %1. Save anyway?</translation>
    </message>
    <message>
        <source>Confirm factory reset?</source>
        <translation>Confirm factory reset?</translation>
    </message>
    <message>
        <source>PIN code changed</source>
        <translation>PIN code changed</translation>
    </message>
    <message>
        <source>Date and time are not correct, reenter</source>
        <translation>Date and time are not correct, reenter</translation>
    </message>
    <message>
        <source>Confirm delete of system</source>
        <translation>Confirm delete of system</translation>
    </message>
    <message>
        <source>Connected to system %1</source>
        <translation>Connected to system %1</translation>
    </message>
    <message>
        <source>Connect to system %1 failed, incorrect PIN</source>
        <translation>Connect to system %1 failed, incorrect PIN</translation>
    </message>
    <message>
        <source>Connect to system %1 failed, compatibility - update PC panel</source>
        <translation>Connect to system %1 failed, compatibility - update PC panel</translation>
    </message>
    <message>
        <source>Connect to system %1 failed</source>
        <translation>Connect to system %1 failed</translation>
    </message>
    <message>
        <source>Confirm forget of WiFi network %1</source>
        <translation>Confirm forget of WiFi network %1</translation>
    </message>
    <message>
        <source>Favorite name contains unsupported characters: %1</source>
        <translation>Favorite name contains unsupported characters: %1</translation>
    </message>
    <message>
        <source>Auxiliary relay name contains unsupported characters: %1</source>
        <translation>Auxiliary relay name contains unsupported characters: %1</translation>
    </message>
    <message>
        <source>Descaling running</source>
        <translation>Descaling running</translation>
    </message>
    <message>
        <source>Connection to system %1 lost</source>
        <translation>Connection to system %1 lost</translation>
    </message>
    <message>
        <source>No response from system %1</source>
        <translation>No response from system %1</translation>
    </message>
    <message>
        <source>Retriveing data from system %1</source>
        <translation>Retriveing data from system %1</translation>
    </message>
    <message>
        <source>Detecting system on IP adress %1...</source>
        <translation>Detecting system on IP adress %1...</translation>
    </message>
    <message>
        <source>No system found on IP adress %1</source>
        <translation>No system found on IP adress %1</translation>
    </message>
    <message>
        <source>Port %1 used, using fallback announcement</source>
        <translation>Port %1 used, using fallback announcement</translation>
    </message>
    <message>
        <source>Connected to network %1</source>
        <translation>Connected to network %1</translation>
    </message>
    <message>
        <source>Connect to network %1 failed: %2</source>
        <translation>Connect to network %1 failed: %2</translation>
    </message>
    <message>
        <source>Connect to system %1 failed, no door switch magnetic sensor connected</source>
        <translation>Connect to system %1 failed, no door switch magnetic sensor connected</translation>
    </message>
    <message>
        <source>Password contains national/special characters which are unlikely to work as WiFi password : %1</source>
        <translation>Password contains national/special characters which are unlikely to work as WiFi password : %1</translation>
    </message>
    <message>
        <source>Panel settings reset. The control board and the Wi-Fi settings were not reset. The program closes in 5 seconds.</source>
        <translation>Panel settings reset. The control board and the Wi-Fi settings were not reset. The program closes in 5 seconds.</translation>
    </message>
    <message>
        <source>The settings file was damaged and has been repaired; settings on damaged lines may be lost. The damaged file was copied to %1</source>
        <translation>The settings file was damaged and has been repaired; settings on damaged lines may be lost. The damaged file was copied to %1</translation>
    </message>
    <message>
        <source>The settings cannot be saved. Changes will not be kept when the program closes.</source>
        <translation>The settings cannot be saved. Changes will not be kept when the program closes.</translation>
    </message>
    <message>
        <source>Save the changes to favorite %1?</source>
        <translation>Save the changes to favorite %1?</translation>
    </message>
    <message>
        <source>System found on IP address %1</source>
        <translation>System found on IP address %1</translation>
    </message>
    <message>
        <source>Another system (%1) answered at the address of %2. The panel does not connect to it.</source>
        <translation>Another system (%1) answered at the address of %2. The panel does not connect to it.</translation>
    </message>
    <message>
        <source>Save the changes to calendar program %1?</source>
        <translation>Save the changes to calendar program %1?</translation>
    </message>
    <message>
        <source>The PIN lock is on. The panel unlocks with PIN %1. To set another PIN, use Change PIN.</source>
        <translation>The PIN lock is on. The panel unlocks with PIN %1. To set another PIN, use Change PIN.</translation>
    </message>
</context>
<context>
    <name>view::details::KeyboardTranslations</name>
    <message>
        <source>keyboardRow1Pos0CapsFalseSymbolFalse</source>
        <translation>1</translation>
    </message>
    <message>
        <source>keyboardRow1Pos0CapsFalseSymbolTrue_</source>
        <translation>1</translation>
    </message>
    <message>
        <source>keyboardRow1Pos0CapsTrue_SymbolFalse</source>
        <translation>1</translation>
    </message>
    <message>
        <source>keyboardRow1Pos0CapsTrue_SymbolTrue_</source>
        <translation>!</translation>
    </message>
    <message>
        <source>keyboardRow1Pos1CapsFalseSymbolFalse</source>
        <translation>2</translation>
    </message>
    <message>
        <source>keyboardRow1Pos1CapsFalseSymbolTrue_</source>
        <translation>2</translation>
    </message>
    <message>
        <source>keyboardRow1Pos1CapsTrue_SymbolFalse</source>
        <translation>2</translation>
    </message>
    <message>
        <source>keyboardRow1Pos1CapsTrue_SymbolTrue_</source>
        <translation>@</translation>
    </message>
    <message>
        <source>keyboardRow1Pos2CapsFalseSymbolFalse</source>
        <translation>3</translation>
    </message>
    <message>
        <source>keyboardRow1Pos2CapsFalseSymbolTrue_</source>
        <translation>3</translation>
    </message>
    <message>
        <source>keyboardRow1Pos2CapsTrue_SymbolFalse</source>
        <translation>3</translation>
    </message>
    <message>
        <source>keyboardRow1Pos2CapsTrue_SymbolTrue_</source>
        <translation>#</translation>
    </message>
    <message>
        <source>keyboardRow1Pos3CapsFalseSymbolFalse</source>
        <translation>4</translation>
    </message>
    <message>
        <source>keyboardRow1Pos3CapsFalseSymbolTrue_</source>
        <translation>4</translation>
    </message>
    <message>
        <source>keyboardRow1Pos3CapsTrue_SymbolFalse</source>
        <translation>4</translation>
    </message>
    <message>
        <source>keyboardRow1Pos3CapsTrue_SymbolTrue_</source>
        <translation>$</translation>
    </message>
    <message>
        <source>keyboardRow1Pos4CapsFalseSymbolFalse</source>
        <translation>5</translation>
    </message>
    <message>
        <source>keyboardRow1Pos4CapsFalseSymbolTrue_</source>
        <translation>5</translation>
    </message>
    <message>
        <source>keyboardRow1Pos4CapsTrue_SymbolFalse</source>
        <translation>5</translation>
    </message>
    <message>
        <source>keyboardRow1Pos4CapsTrue_SymbolTrue_</source>
        <translation>%</translation>
    </message>
    <message>
        <source>keyboardRow1Pos5CapsFalseSymbolFalse</source>
        <translation>6</translation>
    </message>
    <message>
        <source>keyboardRow1Pos5CapsFalseSymbolTrue_</source>
        <translation>6</translation>
    </message>
    <message>
        <source>keyboardRow1Pos5CapsTrue_SymbolFalse</source>
        <translation>6</translation>
    </message>
    <message>
        <source>keyboardRow1Pos5CapsTrue_SymbolTrue_</source>
        <translation>^</translation>
    </message>
    <message>
        <source>keyboardRow1Pos6CapsFalseSymbolFalse</source>
        <translation>7</translation>
    </message>
    <message>
        <source>keyboardRow1Pos6CapsFalseSymbolTrue_</source>
        <translation>7</translation>
    </message>
    <message>
        <source>keyboardRow1Pos6CapsTrue_SymbolFalse</source>
        <translation>7</translation>
    </message>
    <message>
        <source>keyboardRow1Pos6CapsTrue_SymbolTrue_</source>
        <translation>&amp;</translation>
    </message>
    <message>
        <source>keyboardRow1Pos7CapsFalseSymbolFalse</source>
        <translation>8</translation>
    </message>
    <message>
        <source>keyboardRow1Pos7CapsFalseSymbolTrue_</source>
        <translation>8</translation>
    </message>
    <message>
        <source>keyboardRow1Pos7CapsTrue_SymbolFalse</source>
        <translation>8</translation>
    </message>
    <message>
        <source>keyboardRow1Pos7CapsTrue_SymbolTrue_</source>
        <translation>*</translation>
    </message>
    <message>
        <source>keyboardRow1Pos8CapsFalseSymbolFalse</source>
        <translation>9</translation>
    </message>
    <message>
        <source>keyboardRow1Pos8CapsFalseSymbolTrue_</source>
        <translation>9</translation>
    </message>
    <message>
        <source>keyboardRow1Pos8CapsTrue_SymbolFalse</source>
        <translation>9</translation>
    </message>
    <message>
        <source>keyboardRow1Pos8CapsTrue_SymbolTrue_</source>
        <translation>(</translation>
    </message>
    <message>
        <source>keyboardRow1Pos9CapsFalseSymbolFalse</source>
        <translation>0</translation>
    </message>
    <message>
        <source>keyboardRow1Pos9CapsFalseSymbolTrue_</source>
        <translation>0</translation>
    </message>
    <message>
        <source>keyboardRow1Pos9CapsTrue_SymbolFalse</source>
        <translation>0</translation>
    </message>
    <message>
        <source>keyboardRow1Pos9CapsTrue_SymbolTrue_</source>
        <translation>)</translation>
    </message>
    <message>
        <source>keyboardRow2Pos0CapsFalseSymbolFalse</source>
        <translation>-</translation>
    </message>
    <message>
        <source>keyboardRow2Pos0CapsFalseSymbolTrue_</source>
        <translation>€</translation>
    </message>
    <message>
        <source>keyboardRow2Pos0CapsTrue_SymbolFalse</source>
        <translation>-</translation>
    </message>
    <message>
        <source>keyboardRow2Pos0CapsTrue_SymbolTrue_</source>
        <translation>€</translation>
    </message>
    <message>
        <source>keyboardRow2Pos1CapsFalseSymbolFalse</source>
        <translation>.</translation>
    </message>
    <message>
        <source>keyboardRow2Pos1CapsFalseSymbolTrue_</source>
        <translation>$</translation>
    </message>
    <message>
        <source>keyboardRow2Pos1CapsTrue_SymbolFalse</source>
        <translation>.</translation>
    </message>
    <message>
        <source>keyboardRow2Pos1CapsTrue_SymbolTrue_</source>
        <translation>$</translation>
    </message>
    <message>
        <source>keyboardRow2Pos2CapsFalseSymbolFalse</source>
        <translation>,</translation>
    </message>
    <message>
        <source>keyboardRow2Pos2CapsFalseSymbolTrue_</source>
        <translation>£</translation>
    </message>
    <message>
        <source>keyboardRow2Pos2CapsTrue_SymbolFalse</source>
        <translation>,</translation>
    </message>
    <message>
        <source>keyboardRow2Pos2CapsTrue_SymbolTrue_</source>
        <translation>£</translation>
    </message>
    <message>
        <source>keyboardRow2Pos3CapsFalseSymbolFalse</source>
        <translation>'</translation>
    </message>
    <message>
        <source>keyboardRow2Pos3CapsFalseSymbolTrue_</source>
        <translation>¥</translation>
    </message>
    <message>
        <source>keyboardRow2Pos3CapsTrue_SymbolFalse</source>
        <translation>'</translation>
    </message>
    <message>
        <source>keyboardRow2Pos3CapsTrue_SymbolTrue_</source>
        <translation>¥</translation>
    </message>
    <message>
        <source>keyboardRow2Pos4CapsFalseSymbolFalse</source>
        <translation>!</translation>
    </message>
    <message>
        <source>keyboardRow2Pos4CapsFalseSymbolTrue_</source>
        <translation>°</translation>
    </message>
    <message>
        <source>keyboardRow2Pos4CapsTrue_SymbolFalse</source>
        <translation>!</translation>
    </message>
    <message>
        <source>keyboardRow2Pos4CapsTrue_SymbolTrue_</source>
        <translation>°</translation>
    </message>
    <message>
        <source>keyboardRow2Pos5CapsFalseSymbolFalse</source>
        <translation>?</translation>
    </message>
    <message>
        <source>keyboardRow2Pos5CapsFalseSymbolTrue_</source>
        <translation>§</translation>
    </message>
    <message>
        <source>keyboardRow2Pos5CapsTrue_SymbolFalse</source>
        <translation>?</translation>
    </message>
    <message>
        <source>keyboardRow2Pos5CapsTrue_SymbolTrue_</source>
        <translation>§</translation>
    </message>
    <message>
        <source>keyboardRow2Pos6CapsFalseSymbolFalse</source>
        <translation>&amp;</translation>
    </message>
    <message>
        <source>keyboardRow2Pos6CapsFalseSymbolTrue_</source>
        <translation>~</translation>
    </message>
    <message>
        <source>keyboardRow2Pos6CapsTrue_SymbolFalse</source>
        <translation>&amp;</translation>
    </message>
    <message>
        <source>keyboardRow2Pos6CapsTrue_SymbolTrue_</source>
        <translation>~</translation>
    </message>
    <message>
        <source>keyboardRow2Pos7CapsFalseSymbolFalse</source>
        <translation>(</translation>
    </message>
    <message>
        <source>keyboardRow2Pos7CapsFalseSymbolTrue_</source>
        <translation>|</translation>
    </message>
    <message>
        <source>keyboardRow2Pos7CapsTrue_SymbolFalse</source>
        <translation>(</translation>
    </message>
    <message>
        <source>keyboardRow2Pos7CapsTrue_SymbolTrue_</source>
        <translation>|</translation>
    </message>
    <message>
        <source>keyboardRow2Pos8CapsFalseSymbolFalse</source>
        <translation>)</translation>
    </message>
    <message>
        <source>keyboardRow2Pos8CapsFalseSymbolTrue_</source>
        <translation>\</translation>
    </message>
    <message>
        <source>keyboardRow2Pos8CapsTrue_SymbolFalse</source>
        <translation>)</translation>
    </message>
    <message>
        <source>keyboardRow2Pos8CapsTrue_SymbolTrue_</source>
        <translation>\</translation>
    </message>
    <message>
        <source>keyboardRow2Pos9CapsFalseSymbolFalse</source>
        <translation>:</translation>
    </message>
    <message>
        <source>keyboardRow2Pos9CapsFalseSymbolTrue_</source>
        <translation>^</translation>
    </message>
    <message>
        <source>keyboardRow2Pos9CapsTrue_SymbolFalse</source>
        <translation>:</translation>
    </message>
    <message>
        <source>keyboardRow2Pos9CapsTrue_SymbolTrue_</source>
        <translation>^</translation>
    </message>
    <message>
        <source>keyboardRow2Pos10CapsFalseSymbolFalse</source>
        <translation>/</translation>
    </message>
    <message>
        <source>keyboardRow2Pos10CapsFalseSymbolTrue_</source>
        <translation>´</translation>
    </message>
    <message>
        <source>keyboardRow2Pos10CapsTrue_SymbolFalse</source>
        <translation>/</translation>
    </message>
    <message>
        <source>keyboardRow2Pos10CapsTrue_SymbolTrue_</source>
        <translation>´</translation>
    </message>
    <message>
        <source>keyboardRow2Pos11CapsFalseSymbolFalse</source>
        <translation>+</translation>
    </message>
    <message>
        <source>keyboardRow2Pos11CapsFalseSymbolTrue_</source>
        <translation>¨</translation>
    </message>
    <message>
        <source>keyboardRow2Pos11CapsTrue_SymbolFalse</source>
        <translation>+</translation>
    </message>
    <message>
        <source>keyboardRow2Pos11CapsTrue_SymbolTrue_</source>
        <translation>¨</translation>
    </message>
    <message>
        <source>keyboardRow2Pos12CapsFalseSymbolFalse</source>
        <translation>@</translation>
    </message>
    <message>
        <source>keyboardRow2Pos12CapsFalseSymbolTrue_</source>
        <translation>µ</translation>
    </message>
    <message>
        <source>keyboardRow2Pos12CapsTrue_SymbolFalse</source>
        <translation>@</translation>
    </message>
    <message>
        <source>keyboardRow2Pos12CapsTrue_SymbolTrue_</source>
        <translation>µ</translation>
    </message>
    <message>
        <source>keyboardRow2Pos13CapsFalseSymbolFalse</source>
        <translation>#</translation>
    </message>
    <message>
        <source>keyboardRow2Pos13CapsFalseSymbolTrue_</source>
        <translation>¿</translation>
    </message>
    <message>
        <source>keyboardRow2Pos13CapsTrue_SymbolFalse</source>
        <translation>#</translation>
    </message>
    <message>
        <source>keyboardRow2Pos13CapsTrue_SymbolTrue_</source>
        <translation>¿</translation>
    </message>
    <message>
        <source>keyboardRow2Pos14CapsFalseSymbolFalse</source>
        <translation>%</translation>
    </message>
    <message>
        <source>keyboardRow2Pos14CapsFalseSymbolTrue_</source>
        <translation>¡</translation>
    </message>
    <message>
        <source>keyboardRow2Pos14CapsTrue_SymbolFalse</source>
        <translation>%</translation>
    </message>
    <message>
        <source>keyboardRow2Pos14CapsTrue_SymbolTrue_</source>
        <translation>¡</translation>
    </message>
    <message>
        <source>keyboardRow2Pos15CapsFalseSymbolFalse</source>
        <translation>"</translation>
    </message>
    <message>
        <source>keyboardRow2Pos15CapsFalseSymbolTrue_</source>
        <translation>«</translation>
    </message>
    <message>
        <source>keyboardRow2Pos15CapsTrue_SymbolFalse</source>
        <translation>"</translation>
    </message>
    <message>
        <source>keyboardRow2Pos15CapsTrue_SymbolTrue_</source>
        <translation>«</translation>
    </message>
    <message>
        <source>keyboardRow2Pos16CapsFalseSymbolFalse</source>
        <translation>;</translation>
    </message>
    <message>
        <source>keyboardRow2Pos16CapsFalseSymbolTrue_</source>
        <translation>»</translation>
    </message>
    <message>
        <source>keyboardRow2Pos16CapsTrue_SymbolFalse</source>
        <translation>;</translation>
    </message>
    <message>
        <source>keyboardRow2Pos16CapsTrue_SymbolTrue_</source>
        <translation>»</translation>
    </message>
    <message>
        <source>keyboardRow2Pos17CapsFalseSymbolFalse</source>
        <translation>*</translation>
    </message>
    <message>
        <source>keyboardRow2Pos17CapsFalseSymbolTrue_</source>
        <translation>¤</translation>
    </message>
    <message>
        <source>keyboardRow2Pos17CapsTrue_SymbolFalse</source>
        <translation>*</translation>
    </message>
    <message>
        <source>keyboardRow2Pos17CapsTrue_SymbolTrue_</source>
        <translation>¤</translation>
    </message>
    <message>
        <source>keyboardRow3Pos0CapsFalseSymbolFalse</source>
        <translation>q</translation>
    </message>
    <message>
        <source>keyboardRow3Pos0CapsFalseSymbolTrue_</source>
        <translation>-</translation>
    </message>
    <message>
        <source>keyboardRow3Pos0CapsTrue_SymbolFalse</source>
        <translation>Q</translation>
    </message>
    <message>
        <source>keyboardRow3Pos0CapsTrue_SymbolTrue_</source>
        <translation>-</translation>
    </message>
    <message>
        <source>keyboardRow3Pos1CapsFalseSymbolFalse</source>
        <translation>w</translation>
    </message>
    <message>
        <source>keyboardRow3Pos1CapsFalseSymbolTrue_</source>
        <translation>/</translation>
    </message>
    <message>
        <source>keyboardRow3Pos1CapsTrue_SymbolFalse</source>
        <translation>W</translation>
    </message>
    <message>
        <source>keyboardRow3Pos1CapsTrue_SymbolTrue_</source>
        <translation>/</translation>
    </message>
    <message>
        <source>keyboardRow3Pos2CapsFalseSymbolFalse</source>
        <translation>e</translation>
    </message>
    <message>
        <source>keyboardRow3Pos2CapsFalseSymbolTrue_</source>
        <translation>:</translation>
    </message>
    <message>
        <source>keyboardRow3Pos2CapsTrue_SymbolFalse</source>
        <translation>E</translation>
    </message>
    <message>
        <source>keyboardRow3Pos2CapsTrue_SymbolTrue_</source>
        <translation>:</translation>
    </message>
    <message>
        <source>keyboardRow3Pos3CapsFalseSymbolFalse</source>
        <translation>r</translation>
    </message>
    <message>
        <source>keyboardRow3Pos3CapsFalseSymbolTrue_</source>
        <translation>;</translation>
    </message>
    <message>
        <source>keyboardRow3Pos3CapsTrue_SymbolFalse</source>
        <translation>R</translation>
    </message>
    <message>
        <source>keyboardRow3Pos3CapsTrue_SymbolTrue_</source>
        <translation>;</translation>
    </message>
    <message>
        <source>keyboardRow3Pos4CapsFalseSymbolFalse</source>
        <translation>t</translation>
    </message>
    <message>
        <source>keyboardRow3Pos4CapsFalseSymbolTrue_</source>
        <translation>(</translation>
    </message>
    <message>
        <source>keyboardRow3Pos4CapsTrue_SymbolFalse</source>
        <translation>T</translation>
    </message>
    <message>
        <source>keyboardRow3Pos4CapsTrue_SymbolTrue_</source>
        <translation>(</translation>
    </message>
    <message>
        <source>keyboardRow3Pos5CapsFalseSymbolFalse</source>
        <translation>y</translation>
    </message>
    <message>
        <source>keyboardRow3Pos5CapsFalseSymbolTrue_</source>
        <translation>)</translation>
    </message>
    <message>
        <source>keyboardRow3Pos5CapsTrue_SymbolFalse</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>keyboardRow3Pos5CapsTrue_SymbolTrue_</source>
        <translation>)</translation>
    </message>
    <message>
        <source>keyboardRow3Pos6CapsFalseSymbolFalse</source>
        <translation>u</translation>
    </message>
    <message>
        <source>keyboardRow3Pos6CapsFalseSymbolTrue_</source>
        <translation>&amp;</translation>
    </message>
    <message>
        <source>keyboardRow3Pos6CapsTrue_SymbolFalse</source>
        <translation>U</translation>
    </message>
    <message>
        <source>keyboardRow3Pos6CapsTrue_SymbolTrue_</source>
        <translation>&amp;</translation>
    </message>
    <message>
        <source>keyboardRow3Pos7CapsFalseSymbolFalse</source>
        <translation>i</translation>
    </message>
    <message>
        <source>keyboardRow3Pos7CapsFalseSymbolTrue_</source>
        <translation>@</translation>
    </message>
    <message>
        <source>keyboardRow3Pos7CapsTrue_SymbolFalse</source>
        <translation>I</translation>
    </message>
    <message>
        <source>keyboardRow3Pos7CapsTrue_SymbolTrue_</source>
        <translation>@</translation>
    </message>
    <message>
        <source>keyboardRow3Pos8CapsFalseSymbolFalse</source>
        <translation>o</translation>
    </message>
    <message>
        <source>keyboardRow3Pos8CapsFalseSymbolTrue_</source>
        <translation>"</translation>
    </message>
    <message>
        <source>keyboardRow3Pos8CapsTrue_SymbolFalse</source>
        <translation>O</translation>
    </message>
    <message>
        <source>keyboardRow3Pos8CapsTrue_SymbolTrue_</source>
        <translation>"</translation>
    </message>
    <message>
        <source>keyboardRow3Pos9CapsFalseSymbolFalse</source>
        <translation>p</translation>
    </message>
    <message>
        <source>keyboardRow3Pos9CapsFalseSymbolTrue_</source>
        <translation>'</translation>
    </message>
    <message>
        <source>keyboardRow3Pos9CapsTrue_SymbolFalse</source>
        <translation>P</translation>
    </message>
    <message>
        <source>keyboardRow3Pos9CapsTrue_SymbolTrue_</source>
        <translation>'</translation>
    </message>
    <message>
        <source>keyboardRow4Pos0CapsFalseSymbolFalse</source>
        <translation>a</translation>
    </message>
    <message>
        <source>keyboardRow4Pos0CapsFalseSymbolTrue_</source>
        <translation>.</translation>
    </message>
    <message>
        <source>keyboardRow4Pos0CapsTrue_SymbolFalse</source>
        <translation>A</translation>
    </message>
    <message>
        <source>keyboardRow4Pos0CapsTrue_SymbolTrue_</source>
        <translation>.</translation>
    </message>
    <message>
        <source>keyboardRow4Pos1CapsFalseSymbolFalse</source>
        <translation>s</translation>
    </message>
    <message>
        <source>keyboardRow4Pos1CapsFalseSymbolTrue_</source>
        <translation>,</translation>
    </message>
    <message>
        <source>keyboardRow4Pos1CapsTrue_SymbolFalse</source>
        <translation>S</translation>
    </message>
    <message>
        <source>keyboardRow4Pos1CapsTrue_SymbolTrue_</source>
        <translation>,</translation>
    </message>
    <message>
        <source>keyboardRow4Pos2CapsFalseSymbolFalse</source>
        <translation>d</translation>
    </message>
    <message>
        <source>keyboardRow4Pos2CapsFalseSymbolTrue_</source>
        <translation>?</translation>
    </message>
    <message>
        <source>keyboardRow4Pos2CapsTrue_SymbolFalse</source>
        <translation>D</translation>
    </message>
    <message>
        <source>keyboardRow4Pos2CapsTrue_SymbolTrue_</source>
        <translation>?</translation>
    </message>
    <message>
        <source>keyboardRow4Pos3CapsFalseSymbolFalse</source>
        <translation>f</translation>
    </message>
    <message>
        <source>keyboardRow4Pos3CapsFalseSymbolTrue_</source>
        <translation>!</translation>
    </message>
    <message>
        <source>keyboardRow4Pos3CapsTrue_SymbolFalse</source>
        <translation>F</translation>
    </message>
    <message>
        <source>keyboardRow4Pos3CapsTrue_SymbolTrue_</source>
        <translation>!</translation>
    </message>
    <message>
        <source>keyboardRow4Pos4CapsFalseSymbolFalse</source>
        <translation>g</translation>
    </message>
    <message>
        <source>keyboardRow4Pos4CapsFalseSymbolTrue_</source>
        <translation>#</translation>
    </message>
    <message>
        <source>keyboardRow4Pos4CapsTrue_SymbolFalse</source>
        <translation>G</translation>
    </message>
    <message>
        <source>keyboardRow4Pos4CapsTrue_SymbolTrue_</source>
        <translation>#</translation>
    </message>
    <message>
        <source>keyboardRow4Pos5CapsFalseSymbolFalse</source>
        <translation>h</translation>
    </message>
    <message>
        <source>keyboardRow4Pos5CapsFalseSymbolTrue_</source>
        <translation>%</translation>
    </message>
    <message>
        <source>keyboardRow4Pos5CapsTrue_SymbolFalse</source>
        <translation>H</translation>
    </message>
    <message>
        <source>keyboardRow4Pos5CapsTrue_SymbolTrue_</source>
        <translation>%</translation>
    </message>
    <message>
        <source>keyboardRow4Pos6CapsFalseSymbolFalse</source>
        <translation>j</translation>
    </message>
    <message>
        <source>keyboardRow4Pos6CapsFalseSymbolTrue_</source>
        <translation>+</translation>
    </message>
    <message>
        <source>keyboardRow4Pos6CapsTrue_SymbolFalse</source>
        <translation>J</translation>
    </message>
    <message>
        <source>keyboardRow4Pos6CapsTrue_SymbolTrue_</source>
        <translation>+</translation>
    </message>
    <message>
        <source>keyboardRow4Pos7CapsFalseSymbolFalse</source>
        <translation>k</translation>
    </message>
    <message>
        <source>keyboardRow4Pos7CapsFalseSymbolTrue_</source>
        <translation>=</translation>
    </message>
    <message>
        <source>keyboardRow4Pos7CapsTrue_SymbolFalse</source>
        <translation>K</translation>
    </message>
    <message>
        <source>keyboardRow4Pos7CapsTrue_SymbolTrue_</source>
        <translation>=</translation>
    </message>
    <message>
        <source>keyboardRow4Pos8CapsFalseSymbolFalse</source>
        <translation>l</translation>
    </message>
    <message>
        <source>keyboardRow4Pos8CapsFalseSymbolTrue_</source>
        <translation>*</translation>
    </message>
    <message>
        <source>keyboardRow4Pos8CapsTrue_SymbolFalse</source>
        <translation>L</translation>
    </message>
    <message>
        <source>keyboardRow4Pos8CapsTrue_SymbolTrue_</source>
        <translation>*</translation>
    </message>
    <message>
        <source>keyboardRow5Pos0CapsFalseSymbolFalse</source>
        <translation>z</translation>
    </message>
    <message>
        <source>keyboardRow5Pos0CapsFalseSymbolTrue_</source>
        <translation>&lt;</translation>
    </message>
    <message>
        <source>keyboardRow5Pos0CapsTrue_SymbolFalse</source>
        <translation>Z</translation>
    </message>
    <message>
        <source>keyboardRow5Pos0CapsTrue_SymbolTrue_</source>
        <translation>&lt;</translation>
    </message>
    <message>
        <source>keyboardRow5Pos1CapsFalseSymbolFalse</source>
        <translation>x</translation>
    </message>
    <message>
        <source>keyboardRow5Pos1CapsFalseSymbolTrue_</source>
        <translation>&gt;</translation>
    </message>
    <message>
        <source>keyboardRow5Pos1CapsTrue_SymbolFalse</source>
        <translation>X</translation>
    </message>
    <message>
        <source>keyboardRow5Pos1CapsTrue_SymbolTrue_</source>
        <translation>&gt;</translation>
    </message>
    <message>
        <source>keyboardRow5Pos2CapsFalseSymbolFalse</source>
        <translation>c</translation>
    </message>
    <message>
        <source>keyboardRow5Pos2CapsFalseSymbolTrue_</source>
        <translation>[</translation>
    </message>
    <message>
        <source>keyboardRow5Pos2CapsTrue_SymbolFalse</source>
        <translation>C</translation>
    </message>
    <message>
        <source>keyboardRow5Pos2CapsTrue_SymbolTrue_</source>
        <translation>[</translation>
    </message>
    <message>
        <source>keyboardRow5Pos3CapsFalseSymbolFalse</source>
        <translation>v</translation>
    </message>
    <message>
        <source>keyboardRow5Pos3CapsFalseSymbolTrue_</source>
        <translation>]</translation>
    </message>
    <message>
        <source>keyboardRow5Pos3CapsTrue_SymbolFalse</source>
        <translation>V</translation>
    </message>
    <message>
        <source>keyboardRow5Pos3CapsTrue_SymbolTrue_</source>
        <translation>]</translation>
    </message>
    <message>
        <source>keyboardRow5Pos4CapsFalseSymbolFalse</source>
        <translation>b</translation>
    </message>
    <message>
        <source>keyboardRow5Pos4CapsFalseSymbolTrue_</source>
        <translation>{</translation>
    </message>
    <message>
        <source>keyboardRow5Pos4CapsTrue_SymbolFalse</source>
        <translation>B</translation>
    </message>
    <message>
        <source>keyboardRow5Pos4CapsTrue_SymbolTrue_</source>
        <translation>{</translation>
    </message>
    <message>
        <source>keyboardRow5Pos5CapsFalseSymbolFalse</source>
        <translation>n</translation>
    </message>
    <message>
        <source>keyboardRow5Pos5CapsFalseSymbolTrue_</source>
        <translation>}</translation>
    </message>
    <message>
        <source>keyboardRow5Pos5CapsTrue_SymbolFalse</source>
        <translation>N</translation>
    </message>
    <message>
        <source>keyboardRow5Pos5CapsTrue_SymbolTrue_</source>
        <translation>}</translation>
    </message>
    <message>
        <source>keyboardRow5Pos6CapsFalseSymbolFalse</source>
        <translation>m</translation>
    </message>
    <message>
        <source>keyboardRow5Pos6CapsFalseSymbolTrue_</source>
        <translation>`</translation>
    </message>
    <message>
        <source>keyboardRow5Pos6CapsTrue_SymbolFalse</source>
        <translation>M</translation>
    </message>
    <message>
        <source>keyboardRow5Pos6CapsTrue_SymbolTrue_</source>
        <translation>`</translation>
    </message>
</context>
<context>
    <name>view::ConfigureDateTimeViewManager</name>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Weekstart</source>
        <translation>Weekstart</translation>
    </message>
    <message>
        <source>Erase calendar</source>
        <translation>Erase calendar</translation>
    </message>
</context>
<context>
    <name>view::ConfigureDateTimeTimeViewManager</name>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Time format</source>
        <translation>Time format</translation>
    </message>
    <message>
        <source>0-24</source>
        <translation>0-24</translation>
    </message>
    <message>
        <source>AM/PM</source>
        <translation>AM/PM</translation>
    </message>
</context>
<context>
    <name>view::ConfigureDateTimeDateViewManager</name>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Date format</translation>
    </message>
    <message>
        <source>YY/MM/DD</source>
        <translation>YY/MM/DD</translation>
    </message>
    <message>
        <source>DD/MM/YY</source>
        <translation>DD/MM/YY</translation>
    </message>
    <message>
        <source>MM/DD/YY</source>
        <translation>MM/DD/YY</translation>
    </message>
</context>
<context>
    <name>view::ConfigureDateTimeWeekBeginViewManager</name>
    <message>
        <source>Monday</source>
        <translation>Monday</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sunday</translation>
    </message>
</context>
<context>
    <name>view::ConfigureDateTimeEraseCalendarViewManager</name>
    <message>
        <source>Erase calendar</source>
        <translation>Erase calendar</translation>
    </message>
</context>
<context>
    <name>DateTimeMenuPage</name>
    <message>
        <source>Date and time</source>
        <translation>Date and time</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Weekstart</source>
        <translation>Weekstart</translation>
    </message>
    <message>
        <source>Erase calendar</source>
        <translation>Erase calendar</translation>
    </message>
</context>
<context>
    <name>SetTimePage</name>
    <message>
        <source>Set time</source>
        <translation>Set time</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>SetDatePage</name>
    <message>
        <source>Set date</source>
        <translation>Set date</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>LanguagePage</name>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>RegionPage</name>
    <message>
        <source>Region</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>Choosing a region also sets its date format, time format, first day of the week and temperature unit.</source>
        <translation>Choosing a region also sets its date format, time format, first day of the week and temperature unit.</translation>
    </message>
</context>
<context>
    <name>UnitsPage</name>
    <message>
        <source>Units</source>
        <translation>Units</translation>
    </message>
</context>
<context>
    <name>view::ConfigureGeneralDisplayViewManager</name>
    <message>
        <source>Never</source>
        <translation>Never</translation>
    </message>
    <message>
        <source>15 seconds</source>
        <translation>15 seconds</translation>
    </message>
    <message>
        <source>30 seconds</source>
        <translation>30 seconds</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minute</translation>
    </message>
    <message>
        <source>2 minutes</source>
        <translation>2 minutes</translation>
    </message>
    <message>
        <source>3 minutes</source>
        <translation>3 minutes</translation>
    </message>
    <message>
        <source>4 minutes</source>
        <translation>4 minutes</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 minutes</translation>
    </message>
</context>
<context>
    <name>view::ConfigureGeneralRegionViewManager</name>
    <message>
        <source>EU</source>
        <translation>EU</translation>
    </message>
    <message>
        <source>North America</source>
        <translation>North America</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Other</translation>
    </message>
</context>
<context>
    <name>view::ConfigureGeneralUnitsViewManager</name>
    <message>
        <source>Celsius</source>
        <translation>Celsius</translation>
    </message>
    <message>
        <source>Fahrenheit</source>
        <translation>Fahrenheit</translation>
    </message>
</context>
<context>
    <name>AboutPage</name>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
</context>
<context>
    <name>IdentifyBoardsPage</name>
    <message>
        <source>Identify RCB</source>
        <translation>Identify RCB</translation>
    </message>
    <message>
        <source>Press a button to sound the buzzer of that relay control board.</source>
        <translation>Press a button to sound the buzzer of that relay control board.</translation>
    </message>
</context>
<context>
    <name>LicencePage</name>
    <message>
        <source>License Info</source>
        <translation>License Info</translation>
    </message>
</context>
<context>
    <name>LinuxComponentsPage</name>
    <message>
        <source>Libraries of this PC</source>
        <translation>Libraries of this PC</translation>
    </message>
</context>
<context>
    <name>view::ConfigureGeneralAboutLicenseInfoViewManager</name>
    <message>
        <source>Qt</source>
        <translation>Qt</translation>
    </message>
    <message>
        <source>Protocol Buffers</source>
        <translation>Protocol Buffers</translation>
    </message>
    <message>
        <source>TCLAP</source>
        <translation>TCLAP</translation>
    </message>
    <message>
        <source>Libraries of this PC</source>
        <translation>Libraries of this PC</translation>
    </message>
    <message>
        <source>%1 control panel is designed using open source software components, which are subject to the copyrights of their authors.</source>
        <translation>%1 control panel is designed using open source software components, which are subject to the copyrights of their authors.</translation>
    </message>
    <message>
        <source>Component and license info is provided in english only, many licenses provide translations on their respective web site. Select component in the list below to see respective info.</source>
        <translation>Component and license info is provided in english only, many licenses provide translations on their respective web site. Select component in the list below to see respective info.</translation>
    </message>
    <message>
        <source>[The rest of the file is not shown.]</source>
        <translation>[The rest of the file is not shown.]</translation>
    </message>
    <message>
        <source>This</source>
        <translation>This</translation>
    </message>
</context>
<context>
    <name>view::ConfigureGeneralAboutViewManager</name>
    <message>
        <source>License Info</source>
        <translation>License Info</translation>
    </message>
    <message>
        <source>Identify RCB</source>
        <translation>Identify RCB</translation>
    </message>
    <message>
        <source>PC Control Panel</source>
        <translation>PC Control Panel</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Software version</translation>
    </message>
    <message>
        <source>Instance</source>
        <translation>Instance</translation>
    </message>
    <message>
        <source>Control Panel</source>
        <translation>Control Panel</translation>
    </message>
    <message>
        <source>Facility Type</source>
        <translation>Facility Type</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Software</translation>
    </message>
    <message>
        <source>Node</source>
        <translation>Node</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Product</translation>
    </message>
    <message>
        <source>Zerededid version</source>
        <translation>Zerededid version</translation>
    </message>
    <message>
        <source>Supervised</source>
        <translation>Supervised</translation>
    </message>
    <message>
        <source>Time Controlled</source>
        <translation>Time Controlled</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Private</translation>
    </message>
    <message>
        <source>Public</source>
        <translation>Public</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source> Lite</source>
        <translation> Lite</translation>
    </message>
    <message>
        <source>Relay Control Board</source>
        <translation>Relay Control Board</translation>
    </message>
    <message>
        <source>Temperature and Humidity Sensor</source>
        <translation>Temperature and Humidity Sensor</translation>
    </message>
    <message>
        <source>Tarn</source>
        <translation>Tarn</translation>
    </message>
    <message>
        <source>Crest</source>
        <translation>Crest</translation>
    </message>
    <message>
        <source>Glen</source>
        <translation>Glen</translation>
    </message>
    <message>
        <source>Zenith</source>
        <translation>Zenith</translation>
    </message>
    <message>
        <source>Q7</source>
        <translation>Q7</translation>
    </message>
    <message>
        <source>Fell</source>
        <translation>Fell</translation>
    </message>
</context>
<context>
    <name>AdvancedSettingsPage</name>
    <message>
        <source>Advanced settings</source>
        <translation>Advanced settings</translation>
    </message>
</context>
<context>
    <name>CleanupPage</name>
    <message>
        <source>Cleanup note</source>
        <translation>Cleanup note</translation>
    </message>
    <message>
        <source>Time interval</source>
        <translation>Time interval</translation>
    </message>
</context>
<context>
    <name>DurationEditorPage</name>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>ExternalSwitchPage</name>
    <message>
        <source>External switch</source>
        <translation>External switch</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Function</translation>
    </message>
    <message>
        <source>Bath time</source>
        <translation>Bath time</translation>
    </message>
</context>
<context>
    <name>FanPage</name>
    <message>
        <source>Fan</source>
        <translation>Fan</translation>
    </message>
    <message>
        <source>Running Time</source>
        <translation>Running Time</translation>
    </message>
</context>
<context>
    <name>IpConnectPage</name>
    <message>
        <source>IP detect</source>
        <translation>IP detect</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP address</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
</context>
<context>
    <name>LimitEditorPage</name>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>LimitsMenuPage</name>
    <message>
        <source>Limits</source>
        <translation>Limits</translation>
    </message>
    <message>
        <source>Bath temperature</source>
        <translation>Bath temperature</translation>
    </message>
    <message>
        <source>Highest bath temperature a user can set</source>
        <translation>Highest bath temperature a user can set</translation>
    </message>
    <message>
        <source>Water temperature</source>
        <translation>Water temperature</translation>
    </message>
    <message>
        <source>Max water fill time</source>
        <translation>Max water fill time</translation>
    </message>
    <message>
        <source>Overheating</source>
        <translation>Overheating</translation>
    </message>
    <message>
        <source>Control board</source>
        <translation>Control board</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Water</translation>
    </message>
</context>
<context>
    <name>NetworkListPage</name>
    <message>
        <source>Network</source>
        <translation>Network</translation>
    </message>
    <message>
        <source>Sauna systems</source>
        <translation>Sauna systems</translation>
    </message>
</context>
<context>
    <name>NotAllowedStartPage</name>
    <message>
        <source>From</source>
        <translation>From</translation>
    </message>
    <message>
        <source>Until</source>
        <translation>Until</translation>
    </message>
    <message>
        <source>Not allowed start</source>
        <translation>Not allowed start</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>PinEditorPage</name>
    <message>
        <source>Enter PIN</source>
        <translation>Enter PIN</translation>
    </message>
    <message>
        <source>PIN of the sauna system</source>
        <translation>PIN of the sauna system</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>SaunaDetailsPage</name>
    <message>
        <source>System details</source>
        <translation>System details</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
</context>
<context>
    <name>StandbyPage</name>
    <message>
        <source>Temperature reduction</source>
        <translation>Temperature reduction</translation>
    </message>
    <message>
        <source>Tank standby temperature</source>
        <translation>Tank standby temperature</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>SystemMenuPage</name>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
</context>
<context>
    <name>TankAutoEmptyingPage</name>
    <message>
        <source>Tank auto emptying</source>
        <translation>Tank auto emptying</translation>
    </message>
    <message>
        <source>Time interval</source>
        <translation>Time interval</translation>
    </message>
</context>
<context>
    <name>view::ConfigureAdvancedSettingsExtSwitchViewManager</name>
    <message>
        <source>Bath time</source>
        <translation>Bath time</translation>
    </message>
    <message>
        <source>Renew bath time</source>
        <translation>Renew bath time</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>On/Off</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
</context>
<context>
    <name>view::ConfigureAdvancedSettingsFanViewManager</name>
    <message>
        <source>Running Time</source>
        <translation>Running Time</translation>
    </message>
</context>
<context>
    <name>view::ConfigureAdvancedSettingsStandbyViewManager</name>
    <message>
        <source>Enable</source>
        <translation>Enable</translation>
    </message>
    <message>
        <source>Enable standby</source>
        <translation>Enable standby</translation>
    </message>
</context>
<context>
    <name>view::ConfigureAdvancedSettingsViewManager</name>
    <message>
        <source>External switch</source>
        <translation>External switch</translation>
    </message>
    <message>
        <source>Fan</source>
        <translation>Fan</translation>
    </message>
</context>
<context>
    <name>view::ConfigureLimitsNotAllowedStartViewManager</name>
    <message>
        <source>Activate time limit</source>
        <translation>Activate time limit</translation>
    </message>
    <message>
        <source>From</source>
        <translation>From</translation>
    </message>
    <message>
        <source>Until</source>
        <translation>Until</translation>
    </message>
</context>
<context>
    <name>view::ConfigureLimitsViewManager</name>
    <message>
        <source>Bath temperature</source>
        <translation>Bath temperature</translation>
    </message>
    <message>
        <source>Overheating</source>
        <translation>Overheating</translation>
    </message>
    <message>
        <source>Water temperature</source>
        <translation>Water temperature</translation>
    </message>
    <message>
        <source>Not allowed start</source>
        <translation>Not allowed start</translation>
    </message>
    <message>
        <source>Max water fill time</source>
        <translation>Max water fill time</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemCleanupViewManager</name>
    <message>
        <source>Enable</source>
        <translation>Enable</translation>
    </message>
    <message>
        <source>Time interval</source>
        <translation>Time interval</translation>
    </message>
    <message>
        <source>Tank Empty Notes</source>
        <translation>Tank Empty Notes</translation>
    </message>
    <message>
        <source>Cleanup&apos;s until now: %1</source>
        <translation>Cleanup&apos;s until now: %1</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemNetworkViewManager</name>
    <message>
        <source>IP detect</source>
        <translation>IP detect</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP address</translation>
    </message>
    <message>
        <source>Last announcement</source>
        <translation>Last announcement</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>Id</translation>
    </message>
    <message>
        <source>Enter PIN</source>
        <translation>Enter PIN</translation>
    </message>
    <message>
        <source>Detect</source>
        <translation>Detect</translation>
    </message>
    <message>
        <source>The PIN must be 1 to 4 digits</source>
        <translation>The PIN must be 1 to 4 digits</translation>
    </message>
    <message>
        <source>Invalid IP address</source>
        <translation>Invalid IP address</translation>
    </message>
    <message>
        <source>Invalid port</source>
        <translation>Invalid port</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemTankAutoEmptyingViewManager</name>
    <message>
        <source>Enable</source>
        <translation>Enable</translation>
    </message>
    <message>
        <source>Time interval</source>
        <translation>Time interval</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemViewManager</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Network</translation>
    </message>
    <message>
        <source>Cleanup note</source>
        <translation>Cleanup note</translation>
    </message>
    <message>
        <source>Tank auto emptying</source>
        <translation>Tank auto emptying</translation>
    </message>
    <message>
        <source>Bath type priority</source>
        <translation>Bath type priority</translation>
    </message>
    <message>
        <source>Pause timer</source>
        <translation>Pause timer</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>IR</source>
        <translation>IR</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Error log</source>
        <translation>Error log</translation>
    </message>
    <message>
        <source>Facility type</source>
        <translation>Facility type</translation>
    </message>
</context>
<context>
    <name>ErrorLogPage</name>
    <message>
        <source>Error log</source>
        <translation>Error log</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
</context>
<context>
    <name>InitialSetup</name>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Setup after factory reset, step %1 of %2</source>
        <translation>Setup after factory reset, step %1 of %2</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Done</translation>
    </message>
</context>
<context>
    <name>StatusPage</name>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemStatusViewManager</name>
    <message>
        <source>PCB relays:</source>
        <translation>PCB relays:</translation>
    </message>
    <message>
        <source>Clean-ups: %1</source>
        <translation>Clean-ups: %1</translation>
    </message>
    <message>
        <source>Room temperature: %1%2</source>
        <translation>Room temperature: %1%2</translation>
    </message>
    <message>
        <source>Room humidity: %1%2</source>
        <translation>Room humidity: %1%2</translation>
    </message>
    <message>
        <source>Magnetic contact: %1</source>
        <translation>Magnetic contact: %1</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connected</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Not connected</translation>
    </message>
    <message>
        <source>primary</source>
        <translation>primary</translation>
    </message>
    <message>
        <source>secondary</source>
        <translation>secondary</translation>
    </message>
    <message>
        <source>Water temperature%1: %2%3</source>
        <translation>Water temperature%1: %2%3</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Low</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>Mid</translation>
    </message>
    <message>
        <source>High</source>
        <translation>High</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>Water level</source>
        <translation>Water level</translation>
    </message>
    <message>
        <source>Smart Start Heat Ratio: %1%2</source>
        <translation>Smart Start Heat Ratio: %1%2</translation>
    </message>
    <message>
        <source>/min</source>
        <translation>/min</translation>
    </message>
    <message>
        <source>Total runtime: %1%2</source>
        <translation>Total runtime: %1%2</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
</context>
<context>
    <name>AuxDescalingPage</name>
    <message>
        <source>Start time</source>
        <translation>Start time</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duration</translation>
    </message>
    <message>
        <source>Dosage</source>
        <translation>Dosage</translation>
    </message>
    <message>
        <source>ml</source>
        <translation>ml</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>Weekday</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Repeat</translation>
    </message>
</context>
<context>
    <name>AuxFragrancePage</name>
    <message>
        <source>Pump</source>
        <translation>Pump</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
</context>
<context>
    <name>AuxRelayPage</name>
    <message>
        <source>Function</source>
        <translation>Function</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
</context>
<context>
    <name>AuxRelaysPage</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Fragrance</source>
        <translation>Fragrance</translation>
    </message>
    <message>
        <source>Descaling</source>
        <translation>Descaling</translation>
    </message>
</context>
<context>
    <name>BathPriorityPage</name>
    <message>
        <source>Bath type priority</source>
        <translation>Bath type priority</translation>
    </message>
</context>
<context>
    <name>FacilityTypePage</name>
    <message>
        <source>Facility type</source>
        <translation>Facility type</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>FilterPage</name>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
</context>
<context>
    <name>IrPage</name>
    <message>
        <source>IR</source>
        <translation>IR</translation>
    </message>
</context>
<context>
    <name>PauseTimerPage</name>
    <message>
        <source>Pause timer</source>
        <translation>Pause timer</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemAuxDescalingViewManager</name>
    <message>
        <source>Enable</source>
        <translation>Enable</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Start time</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duration</translation>
    </message>
    <message>
        <source>Dosage</source>
        <translation>Dosage</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>Weekday</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Last</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Repeat</translation>
    </message>
    <message>
        <source>Every week</source>
        <translation>Every week</translation>
    </message>
    <message>
        <source>Every 2nd week</source>
        <translation>Every 2nd week</translation>
    </message>
    <message>
        <source>Every 3rd week</source>
        <translation>Every 3rd week</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Monthly</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemAuxFragranceViewManager</name>
    <message>
        <source>Pump</source>
        <translation>Pump</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemAuxViewManager</name>
    <message>
        <source>Not in use</source>
        <translation>Not in use</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>On/Off</translation>
    </message>
    <message>
        <source>Fragrance</source>
        <translation>Fragrance</translation>
    </message>
    <message>
        <source>Descaling</source>
        <translation>Descaling</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemBathPriorityViewManager</name>
    <message>
        <source>Automatic</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Humidity</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemFacilityTypeViewManager</name>
    <message>
        <source>Private</source>
        <translation>Private</translation>
    </message>
    <message>
        <source>Public</source>
        <translation>Public</translation>
    </message>
    <message>
        <source>Time controlled</source>
        <translation>Time controlled</translation>
    </message>
    <message>
        <source>Supervised</source>
        <translation>Supervised</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemFactoryResetViewManager</name>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemFilterViewManager</name>
    <message>
        <source>Filter temperature</source>
        <translation>Filter temperature</translation>
    </message>
    <message>
        <source>Filter humidity</source>
        <translation>Filter humidity</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemHapticFeedbackViewManager</name>
    <message>
        <source>Vibration</source>
        <translation>Vibration</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemIrViewManager</name>
    <message>
        <source>Enable</source>
        <translation>Enable</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemPauseTimerViewManager</name>
    <message>
        <source>Reset pause timer</source>
        <translation>Reset pause timer</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemRelayViewManager</name>
    <message>
        <source>Regulator</source>
        <translation>Regulator</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>On/Off</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Split</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemWiFiViewManager</name>
    <message>
        <source>Enable</source>
        <translation>Enable</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Network</translation>
    </message>
    <message>
        <source>External Units</source>
        <translation>External Units</translation>
    </message>
    <message>
        <source>WiFi Networks</source>
        <translation>WiFi Networks</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Scan</translation>
    </message>
    <message>
        <source>No IP address found</source>
        <translation>No IP address found</translation>
    </message>
    <message>
        <source>IP address: %1</source>
        <translation>IP address: %1</translation>
    </message>
    <message>
        <source>IP addresses</source>
        <translation>IP addresses</translation>
    </message>
    <message>
        <source>Identity</source>
        <translation>Identity</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
</context>
</TS>
