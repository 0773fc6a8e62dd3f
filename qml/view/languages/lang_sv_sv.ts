<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE" sourcelanguage="en_GB">
<context>
    <name>CalendarPage</name>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Vecka</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Queue</source>
        <translation>Kö</translation>
    </message>
    <message>
        <source>Date program</source>
        <translation>Datumprogram</translation>
    </message>
    <message>
        <source>Weekly program</source>
        <translation>Veckoprogram</translation>
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
        <translation>Favorit</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Byt namn</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Luftfuktighet</translation>
    </message>
    <message>
        <source>Edit bath time</source>
        <translation>Ändra badtid</translation>
    </message>
    <message>
        <source>Bath time</source>
        <translation>Badtid</translation>
    </message>
    <message>
        <source>Set bath time</source>
        <translation>Ställ in badtid</translation>
    </message>
    <message>
        <source>Lights</source>
        <translation>Belysning</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Ta bort</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Spara</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starta</translation>
    </message>
</context>
<context>
    <name>FavoritesPage</name>
    <message>
        <source>Favorites</source>
        <translation>Favoriter</translation>
    </message>
    <message>
        <source>Save current settings as favorite</source>
        <translation>Spara inställningar som favorit</translation>
    </message>
</context>
<context>
    <name>GeneralMenuPage</name>
    <message>
        <source>General</source>
        <translation>Allmänt</translation>
    </message>
</context>
<context>
    <name>GenericListView</name>
    <message>
        <source>Nothing to show</source>
        <translation>Inget att visa</translation>
    </message>
</context>
<context>
    <name>HeaterSettingsPage</name>
    <message>
        <source>Heater settings</source>
        <translation>Aggregatinställningar</translation>
    </message>
    <message>
        <source>Bath time</source>
        <translation>Badtid</translation>
    </message>
    <message>
        <source>Save bath time</source>
        <translation>Spara badtid</translation>
    </message>
    <message>
        <source>Fan</source>
        <translation>Fläkt</translation>
    </message>
    <message>
        <source>Fan running</source>
        <translation>Fläkten går</translation>
    </message>
    <message>
        <source>Automatic fan</source>
        <translation>Automatisk fläkt</translation>
    </message>
    <message>
        <source>Runs with the heater</source>
        <translation>Går med aggregatet</translation>
    </message>
    <message>
        <source>Auxiliary relays</source>
        <translation>Extrareläer</translation>
    </message>
</context>
<context>
    <name>HumidityStepper</name>
    <message>
        <source>level</source>
        <translation>nivå</translation>
    </message>
</context>
<context>
    <name>LightsTile</name>
    <message>
        <source>Lights</source>
        <translation>Belysning</translation>
    </message>
    <message>
        <source>On</source>
        <translation>På</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Av</translation>
    </message>
</context>
<context>
    <name>LockedControlPage</name>
    <message>
        <source>Target temperature</source>
        <translation>Måltemperatur</translation>
    </message>
    <message>
        <source>Target humidity</source>
        <translation>Målfuktighet</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Lås upp</translation>
    </message>
</context>
<context>
    <name>MainControlPage</name>
    <message>
        <source>Humidity %1</source>
        <translation>Luftfuktighet %1</translation>
    </message>
    <message>
        <source>Humidity --</source>
        <translation>Luftfuktighet --</translation>
    </message>
    <message>
        <source>Target temperature</source>
        <translation>Måltemperatur</translation>
    </message>
    <message>
        <source>Target humidity</source>
        <translation>Målfuktighet</translation>
    </message>
    <message>
        <source>Bath time</source>
        <translation>Badtid</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Återstående tid</translation>
    </message>
    <message>
        <source>Fan</source>
        <translation>Fläkt</translation>
    </message>
    <message>
        <source>On</source>
        <translation>På</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Av</translation>
    </message>
</context>
<context>
    <name>NotConnectedNotice</name>
    <message>
        <source>No sauna is connected. Connect one in Settings → Network.</source>
        <translation>Ingen bastu är ansluten. Anslut en under Inställningar → Nätverk.</translation>
    </message>
</context>
<context>
    <name>OnScreenKeyboard</name>
    <message>
        <source>At most %1 characters</source>
        <translation>Högst %1 tecken</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Mellanslag</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Spara</translation>
    </message>
</context>
<context>
    <name>PinChangePage</name>
    <message>
        <source>Wrong PIN</source>
        <translation>Fel PIN-kod</translation>
    </message>
    <message>
        <source>Invalid PIN</source>
        <translation>Ogiltig PIN-kod</translation>
    </message>
    <message>
        <source>The PINs do not match</source>
        <translation>PIN-koderna stämmer inte överens</translation>
    </message>
    <message>
        <source>Change PIN</source>
        <translation>Byt PIN-kod</translation>
    </message>
    <message>
        <source>Enter current PIN</source>
        <translation>Ange nuvarande PIN-kod</translation>
    </message>
    <message>
        <source>Enter new PIN</source>
        <translation>Ange ny PIN-kod</translation>
    </message>
    <message>
        <source>Confirm new PIN</source>
        <translation>Bekräfta ny PIN-kod</translation>
    </message>
</context>
<context>
    <name>PinEntryPage</name>
    <message>
        <source>Enter PIN</source>
        <translation>Ange PIN-kod</translation>
    </message>
    <message>
        <source>Wrong PIN</source>
        <translation>Fel PIN-kod</translation>
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
        <translation>Klar</translation>
    </message>
    <message>
        <source>Set ready time</source>
        <translation>Ställ in klartid</translation>
    </message>
    <message>
        <source>Custom settings</source>
        <translation>Anpassade inställningar</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Luftfuktighet</translation>
    </message>
    <message>
        <source>Stop after</source>
        <translation>Stopp efter</translation>
    </message>
    <message>
        <source>Set stop time</source>
        <translation>Ställ in stopptid</translation>
    </message>
    <message>
        <source>Use custom settings</source>
        <translation>Använd anpassade inställningar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Ta bort</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Spara</translation>
    </message>
    <message>
        <source>Start at</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Inställningar</translation>
    </message>
    <message>
        <source>Set start time</source>
        <translation>Ställ in starttid</translation>
    </message>
    <message>
        <source>Set temperature</source>
        <translation>Ställ in temperatur</translation>
    </message>
    <message>
        <source>Set humidity</source>
        <translation>Ställ in luftfuktighet</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>PC Panel</source>
        <translation>PC-panel</translation>
    </message>
    <message>
        <source>Smart Phone</source>
        <translation>Smarttelefon</translation>
    </message>
    <message>
        <source>Tablet</source>
        <translation>Surfplatta</translation>
    </message>
    <message>
        <source>Home Automation</source>
        <translation>Hemautomation</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Övrigt</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Okänd</translation>
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
        <translation>Kombi manuell</translation>
    </message>
    <message>
        <source>Combi automatic</source>
        <translation>Kombi automatisk</translation>
    </message>
    <message>
        <source>Steam private</source>
        <translation>Ånga privat</translation>
    </message>
    <message>
        <source>Steam private auto</source>
        <translation>Ånga privat auto</translation>
    </message>
    <message>
        <source>Steam public</source>
        <translation>Ånga offentlig</translation>
    </message>
    <message>
        <source>Steam public/private Manual Empty</source>
        <translation>Ånga offentlig/privat, manuell tömning</translation>
    </message>
    <message>
        <source>Sauna box addon</source>
        <translation>Bastu-tilläggsenhet</translation>
    </message>
    <message>
        <source>Sauna</source>
        <translation>Bastu</translation>
    </message>
    <message>
        <source>Sauna Low</source>
        <translation>Bastu låg</translation>
    </message>
    <message>
        <source>Sauna IR</source>
        <translation>IR-bastu</translation>
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
        <translation>Odefinierad</translation>
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
        <translation>K9 (utan WiFi)</translation>
    </message>
    <message>
        <source>Vertex (no Wifi)</source>
        <translation>Vertex (utan WiFi)</translation>
    </message>
    <message>
        <source>Fell</source>
        <translation>Fell</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>måndag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>tisdag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>onsdag</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>torsdag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>fredag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>lördag</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>söndag</translation>
    </message>
    <message>
        <source>plural_Mondays</source>
        <translation>Måndagar</translation>
    </message>
    <message>
        <source>plural_Tuesdays</source>
        <translation>Tisdagar</translation>
    </message>
    <message>
        <source>plural_Wednesdays</source>
        <translation>Onsdagar</translation>
    </message>
    <message>
        <source>plural_Thursdays</source>
        <translation>Torsdagar</translation>
    </message>
    <message>
        <source>plural_Fridays</source>
        <translation>Fredagar</translation>
    </message>
    <message>
        <source>plural_Saturdays</source>
        <translation>Lördagar</translation>
    </message>
    <message>
        <source>plural_Sundays</source>
        <translation>Söndagar</translation>
    </message>
    <message>
        <source>long_form_January</source>
        <translation>Januari</translation>
    </message>
    <message>
        <source>long_form_February</source>
        <translation>Februari</translation>
    </message>
    <message>
        <source>long_form_March</source>
        <translation>Mars</translation>
    </message>
    <message>
        <source>long_form_April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>long_form_May</source>
        <translation>Maj</translation>
    </message>
    <message>
        <source>long_form_June</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>long_form_July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>long_form_August</source>
        <translation>Augusti</translation>
    </message>
    <message>
        <source>long_form_September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>long_form_October</source>
        <translation>Oktober</translation>
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
        <translation>jan</translation>
    </message>
    <message>
        <source>short_form_February</source>
        <translation>feb</translation>
    </message>
    <message>
        <source>short_form_March</source>
        <translation>mar</translation>
    </message>
    <message>
        <source>short_form_April</source>
        <translation>apr</translation>
    </message>
    <message>
        <source>short_form_May</source>
        <translation>maj</translation>
    </message>
    <message>
        <source>short_form_June</source>
        <translation>jun</translation>
    </message>
    <message>
        <source>short_form_July</source>
        <translation>jul</translation>
    </message>
    <message>
        <source>short_form_August</source>
        <translation>aug</translation>
    </message>
    <message>
        <source>short_form_September</source>
        <translation>sep</translation>
    </message>
    <message>
        <source>short_form_October</source>
        <translation>okt</translation>
    </message>
    <message>
        <source>short_form_November</source>
        <translation>nov</translation>
    </message>
    <message>
        <source>short_form_December</source>
        <translation>dec</translation>
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
        <translation>Odefinierat relä</translation>
    </message>
    <message>
        <source>Aux %1</source>
        <translation>Extra %1</translation>
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
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nej</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Ström</translation>
    </message>
    <message>
        <source>Lighting</source>
        <translation>Belysning</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Luftfuktighet</translation>
    </message>
    <message>
        <source>IR</source>
        <translation>IR</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Läge</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Inställningar</translation>
    </message>
    <message>
        <source>Ready at</source>
        <translation>Klar</translation>
    </message>
    <message>
        <source>Start at</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop after</source>
        <translation>Stopp efter</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Anpassad</translation>
    </message>
    <message>
        <source>Favorite</source>
        <translation>Favorit</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Idag</translation>
    </message>
    <message>
        <source>Bath</source>
        <translation>Bad</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>Standby</translation>
    </message>
    <message>
        <source>Warm Start</source>
        <translation>Varmstart</translation>
    </message>
    <message>
        <source>Current Settings</source>
        <translation>Aktuella inställningar</translation>
    </message>
    <message>
        <source>Delayed start</source>
        <translation>Fördröjd start</translation>
    </message>
    <message>
        <source>delayed start</source>
        <translation>fördröjd start</translation>
    </message>
    <message>
        <source>date calendar program</source>
        <translation>datumprogram</translation>
    </message>
    <message>
        <source>weekday calendar program</source>
        <translation>veckodagsprogram</translation>
    </message>
    <message>
        <source>ml</source>
        <translation>ml</translation>
    </message>
    <message>
        <source>On</source>
        <translation>På</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Av</translation>
    </message>
    <message>
        <source>Standard network</source>
        <translation>Standardnätverk</translation>
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
        <translation>Okänt användarmeddelande-id %1 (0x%2)</translation>
    </message>
    <message>
        <source>Primary</source>
        <translation>Primär</translation>
    </message>
    <message>
        <source>Secondary</source>
        <translation>Sekundär</translation>
    </message>
    <message>
        <source>Descaling</source>
        <translation>Avkalkning</translation>
    </message>
    <message>
        <source>Auto connect</source>
        <translation>Anslut automatiskt</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Anslut</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Koppla från</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Uppdatera</translation>
    </message>
</context>
<context>
    <name>SaunaStatus</name>
    <message>
        <source>level</source>
        <translation>nivå</translation>
    </message>
    <message>
        <source>Heating</source>
        <translation>Uppvärmning</translation>
    </message>
    <message>
        <source>Drying</source>
        <translation>Torkning</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>Standby</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <translation>Rengöring</translation>
    </message>
    <message>
        <source>Descaling</source>
        <translation>Avkalkning</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Av</translation>
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
        <translation>Gränser</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allmänt</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Datum och tid</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <translation>Avancerade inställningar</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Nätverk</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Inställningar</translation>
    </message>
</context>
<context>
    <name>TemperatureDial</name>
    <message>
        <source>Room</source>
        <translation>Rum</translation>
    </message>
    <message>
        <source>Target %1</source>
        <translation>Mål %1</translation>
    </message>
</context>
<context>
    <name>WeekProgramsPage</name>
    <message>
        <source>Weekly programs active</source>
        <translation>Veckoprogram aktiva</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Name of the favorite</source>
        <translation>Favoritens namn</translation>
    </message>
    <message>
        <source>Name of the relay</source>
        <translation>Reläets namn</translation>
    </message>
    <message>
        <source>Sauna</source>
        <translation>Bastu</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoriter</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Inställningar</translation>
    </message>
</context>
<context>
    <name>main_startup_screen</name>
    <message>
        <source>PC Control Panel</source>
        <translation>PC-kontrollpanel</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Startar…</translation>
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
        <translation>%1 - %2 (anslutningen förlorad)</translation>
    </message>
</context>
<context>
    <name>view::ConfigureGeneralPinViewManager</name>
    <message>
        <source>Activate PIN</source>
        <translation>Aktivera PIN-kod</translation>
    </message>
    <message>
        <source>Change PIN</source>
        <translation>Byt PIN-kod</translation>
    </message>
    <message>
        <source>Controls on lockscreen</source>
        <translation>Reglage på låsskärmen</translation>
    </message>
</context>
<context>
    <name>view::ConfigureGeneralViewManager</name>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Språk</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Enheter</translation>
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
        <translation>Čeština</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Nederlands</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Suomi</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polski</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Русский</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>Slovenčina</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Svenska</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Dansk</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norsk</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Português</translation>
    </message>
</context>
<context>
    <name>view::details::ErrorMessageFunctions</name>
    <message>
        <source>No error</source>
        <translation>Inget fel</translation>
    </message>
    <message>
        <source>Room temperature sensor not connected or malfunctioning</source>
        <translation>Rumstemperaturgivaren är inte ansluten eller fungerar inte</translation>
    </message>
    <message>
        <source>Steam tank temperature sensor not connected or malfunctioning</source>
        <translation>Ångtankens temperaturgivare är inte ansluten eller fungerar inte</translation>
    </message>
    <message>
        <source>Relay Control Box PCB has overheated</source>
        <translation>Reläkortet är överhettat</translation>
    </message>
    <message>
        <source>Electrode short circuit</source>
        <translation>Kortslutning i elektroderna</translation>
    </message>
    <message>
        <source>Steamtank overfill. Level electrodes malfunction.</source>
        <translation>Ångtanken är överfylld. Nivåelektroderna fungerar inte.</translation>
    </message>
    <message>
        <source>Contact lost with Zerededid node of node profile Control Panel Home</source>
        <translation>Kontakten med Zerededid-noden med nodprofilen Kontrollpanel hem förlorades</translation>
    </message>
    <message>
        <source>Contact lost with Zerededid node of node profile Temperature/Humidity Sensor</source>
        <translation>Kontakten med Zerededid-noden med nodprofilen Temperatur-/fuktgivare förlorades</translation>
    </message>
    <message>
        <source>Steam tank has overheated</source>
        <translation>Ångtanken är överhettad</translation>
    </message>
    <message>
        <source>Real-time clock (RTC) communication failure</source>
        <translation>Kommunikationsfel med realtidsklockan (RTC)</translation>
    </message>
    <message>
        <source>Communication with addon card lost.</source>
        <translation>Kommunikationen med tilläggskortet förlorades.</translation>
    </message>
    <message>
        <source>Emptying of water in steam tank failure. Turn off power and do service.</source>
        <translation>Tömningen av ångtanken misslyckades. Bryt strömmen och utför service.</translation>
    </message>
    <message>
        <source>Level electrodes steam tank out of service, interruption mid</source>
        <translation>Ångtankens nivåelektroder ur funktion, avbrott i mitten</translation>
    </message>
    <message>
        <source>Zerededid connected humidity sensor malfunctioning</source>
        <translation>Fuktgivaren ansluten via Zerededid fungerar inte</translation>
    </message>
    <message>
        <source>Zerededid connected temperature sensor malfunctioning</source>
        <translation>Temperaturgivaren ansluten via Zerededid fungerar inte</translation>
    </message>
    <message>
        <source>Contact lost with Zerededid node of node profile Relay Control Board</source>
        <translation>Kontakten med Zerededid-noden med nodprofilen Reläkort förlorades</translation>
    </message>
    <message>
        <source>High temperature limit control have trip out, must be reset</source>
        <translation>Överhettningsskyddet har löst ut och måste återställas</translation>
    </message>
    <message>
        <source>Room temperature sensor overheated</source>
        <translation>Rumstemperaturgivaren är överhettad</translation>
    </message>
    <message>
        <source>Too many units connected</source>
        <translation>För många enheter anslutna</translation>
    </message>
    <message>
        <source>The door has been open for more than the allowed time. Ongoing bath cancelled.</source>
        <translation>Dörren har varit öppen längre än tillåtet. Pågående bad avbröts.</translation>
    </message>
    <message>
        <source>Magnetic contact open more than 60 seconds since last bath</source>
        <translation>Magnetkontakten har varit öppen mer än 60 sekunder sedan senaste badet</translation>
    </message>
</context>
<context>
    <name>view::details::UserMessageFunctions</name>
    <message>
        <source>Weekday calendar program collision detected</source>
        <translation>Veckodagsprogram överlappar varandra</translation>
    </message>
    <message>
        <source>Date calendar program collision detected</source>
        <translation>Datumprogram överlappar varandra</translation>
    </message>
    <message>
        <source>Bathtime limit exceeded. Start will be allowed at %1</source>
        <translation>Badtidsgränsen har överskridits. Start tillåts kl. %1</translation>
    </message>
    <message>
        <source>Operation not possible, blocked by not allowed start</source>
        <translation>Åtgärden är inte möjlig, start är spärrad</translation>
    </message>
    <message>
        <source>Tank emptying has started, operation is possible when draining is complete</source>
        <translation>Tömning av tanken har startat, åtgärden är möjlig när tömningen är klar</translation>
    </message>
    <message>
        <source>Perform control/clean of tank</source>
        <translation>Kontrollera och rengör tanken</translation>
    </message>
    <message>
        <source>Check sauna before next start</source>
        <translation>Kontrollera bastun före nästa start</translation>
    </message>
    <message>
        <source>Fault, tank emptying has started</source>
        <translation>Fel, tömning av tanken har startat</translation>
    </message>
    <message>
        <source>Descaling has started, operation not possible</source>
        <translation>Avkalkning har startat, åtgärden är inte möjlig</translation>
    </message>
    <message>
        <source>Descaling completed</source>
        <translation>Avkalkningen är klar</translation>
    </message>
    <message>
        <source>Water in tank</source>
        <translation>Vatten i tanken</translation>
    </message>
    <message>
        <source>Manual tank emptying should be performed</source>
        <translation>Tanken bör tömmas manuellt</translation>
    </message>
    <message>
        <source>Standby operation is no longer possible in the system due to tank sensor error</source>
        <translation>Standbydrift är inte längre möjlig på grund av fel på tankgivaren</translation>
    </message>
    <message>
        <source>Has cleanup been performed?</source>
        <translation>Har rengöring utförts?</translation>
    </message>
    <message>
        <source>No humidity sensor detected. Steam not allowed.</source>
        <translation>Ingen fuktgivare hittades. Ånga är inte tillåten.</translation>
    </message>
    <message>
        <source>Automatic tank emptying interval has started. Reduced steam.</source>
        <translation>Intervallet för automatisk tömning av tanken har startat. Reducerad ånga.</translation>
    </message>
    <message>
        <source>Automatic tank emptying has started. Operation will resume.</source>
        <translation>Automatisk tömning av tanken har startat. Driften återupptas.</translation>
    </message>
    <message>
        <source>Communication with addon card lost.</source>
        <translation>Kommunikationen med tilläggskortet förlorades.</translation>
    </message>
    <message>
        <source>Room temperature too high. Steam production paused temporarily.</source>
        <translation>Rumstemperaturen är för hög. Ångproduktionen är tillfälligt pausad.</translation>
    </message>
    <message>
        <source>Not implemented</source>
        <translation>Inte implementerat</translation>
    </message>
    <message>
        <source>No free %1</source>
        <translation>Inga lediga: %1</translation>
    </message>
    <message>
        <source>No free favorites posts available</source>
        <translation>Inga lediga favoritplatser finns</translation>
    </message>
    <message>
        <source>A favorite post with specified name already exists</source>
        <translation>Det finns redan en favorit med det namnet</translation>
    </message>
    <message>
        <source>A favorite post named %1 already exists. Overwrite?</source>
        <translation>Det finns redan en favorit med namnet %1. Skriva över?</translation>
    </message>
    <message>
        <source>Confirm favorite delete?</source>
        <translation>Ta bort favoriten?</translation>
    </message>
    <message>
        <source>No contact with control board</source>
        <translation>Ingen kontakt med styrkortet</translation>
    </message>
    <message>
        <source>Confirm clear calendar</source>
        <translation>Töm kalendern?</translation>
    </message>
    <message>
        <source>Time to ready at less than estimated heating time %1 minutes. Use anyway?</source>
        <translation>Tiden till klar är kortare än den beräknade uppvärmningstiden på %1 minuter. Använda ändå?</translation>
    </message>
    <message>
        <source>Time to ready at less than heating time %1 minutes estimated from factory settings. Heating time will be calibrated at use. Use anyway?</source>
        <translation>Tiden till klar är kortare än uppvärmningstiden på %1 minuter enligt fabriksinställningarna. Uppvärmningstiden kalibreras vid användning. Använda ändå?</translation>
    </message>
    <message>
        <source>No door switch magnetic sensor connected</source>
        <translation>Ingen magnetgivare för dörren är ansluten</translation>
    </message>
    <message>
        <source>Delayed start program edited from other panel</source>
        <translation>Den fördröjda starten ändrades från en annan panel</translation>
    </message>
    <message>
        <source>Weekday calendar program edited from other panel</source>
        <translation>Veckodagsprogrammet ändrades från en annan panel</translation>
    </message>
    <message>
        <source>Date calendar program edited from other panel</source>
        <translation>Datumprogrammet ändrades från en annan panel</translation>
    </message>
    <message>
        <source>No free time gap for new post</source>
        <translation>Det finns ingen ledig tid för ett nytt program</translation>
    </message>
    <message>
        <source>Favorite post edited from other panel</source>
        <translation>Favoriten ändrades från en annan panel</translation>
    </message>
    <message>
        <source>Calendar programs affected by favorite change: %1</source>
        <translation>Kalenderprogram som påverkas av ändringen av favoriten: %1</translation>
    </message>
    <message>
        <source>Confirm delete of %1?</source>
        <translation>Ta bort %1?</translation>
    </message>
    <message>
        <source>Display will turn OFF due to inactivity (display sleep timer)</source>
        <translation>Skärmen stängs av på grund av inaktivitet (skärmens vilotimer)</translation>
    </message>
    <message>
        <source>Error switching to new language, old will be kept</source>
        <translation>Det gick inte att byta språk, det tidigare språket behålls</translation>
    </message>
    <message>
        <source>Internal software error detected file %1 line %2: %3</source>
        <translation>Internt programfel i fil %1 rad %2: %3</translation>
    </message>
    <message>
        <source>File not found %1</source>
        <translation>Filen hittades inte: %1</translation>
    </message>
    <message>
        <source>Key/translation error %1</source>
        <translation>Nyckel- eller översättningsfel: %1</translation>
    </message>
    <message>
        <source>Sauna pause timer has been reset</source>
        <translation>Bastuns pausetimer har återställts</translation>
    </message>
    <message>
        <source>Sauna not allowed start, %2, conflicts with %1. Save anyway?</source>
        <translation>Bastuns spärrtid för start, %2, krockar med %1. Spara ändå?</translation>
    </message>
    <message>
        <source>Sauna not allowed start, %2, may conflict with %1. Save anyway?</source>
        <translation>Bastuns spärrtid för start, %2, kan krocka med %1. Spara ändå?</translation>
    </message>
    <message>
        <source>Confirm factory reset?</source>
        <translation>Återställa till fabriksinställningar?</translation>
    </message>
    <message>
        <source>PIN code changed</source>
        <translation>PIN-koden har ändrats</translation>
    </message>
    <message>
        <source>Date and time are not correct, reenter</source>
        <translation>Datum och tid är felaktiga, ange dem igen</translation>
    </message>
    <message>
        <source>Confirm delete of system</source>
        <translation>Ta bort systemet?</translation>
    </message>
    <message>
        <source>Connected to system %1</source>
        <translation>Ansluten till systemet %1</translation>
    </message>
    <message>
        <source>Connect to system %1 failed, incorrect PIN</source>
        <translation>Anslutningen till systemet %1 misslyckades, fel PIN-kod</translation>
    </message>
    <message>
        <source>Connect to system %1 failed, compatibility - update PC panel</source>
        <translation>Anslutningen till systemet %1 misslyckades, kompatibilitet – uppdatera PC-panelen</translation>
    </message>
    <message>
        <source>Connect to system %1 failed</source>
        <translation>Anslutningen till systemet %1 misslyckades</translation>
    </message>
    <message>
        <source>Confirm forget of WiFi network %1</source>
        <translation>Glöm WiFi-nätverket %1?</translation>
    </message>
    <message>
        <source>Favorite name contains unsupported characters: %1</source>
        <translation>Favoritens namn innehåller tecken som inte stöds: %1</translation>
    </message>
    <message>
        <source>Auxiliary relay name contains unsupported characters: %1</source>
        <translation>Extrareläets namn innehåller tecken som inte stöds: %1</translation>
    </message>
    <message>
        <source>Descaling running</source>
        <translation>Avkalkning pågår</translation>
    </message>
    <message>
        <source>Connection to system %1 lost</source>
        <translation>Anslutningen till systemet %1 förlorades</translation>
    </message>
    <message>
        <source>No response from system %1</source>
        <translation>Inget svar från systemet %1</translation>
    </message>
    <message>
        <source>Retriveing data from system %1</source>
        <translation>Hämtar data från systemet %1</translation>
    </message>
    <message>
        <source>Detecting system on IP adress %1...</source>
        <translation>Söker system på IP-adressen %1...</translation>
    </message>
    <message>
        <source>No system found on IP adress %1</source>
        <translation>Inget system hittades på IP-adressen %1</translation>
    </message>
    <message>
        <source>Port %1 used, using fallback announcement</source>
        <translation>Port %1 används, reservannonsering används</translation>
    </message>
    <message>
        <source>Connected to network %1</source>
        <translation>Ansluten till nätverket %1</translation>
    </message>
    <message>
        <source>Connect to network %1 failed: %2</source>
        <translation>Anslutningen till nätverket %1 misslyckades: %2</translation>
    </message>
    <message>
        <source>Connect to system %1 failed, no door switch magnetic sensor connected</source>
        <translation>Anslutningen till systemet %1 misslyckades, ingen magnetgivare för dörren är ansluten</translation>
    </message>
    <message>
        <source>Password contains national/special characters which are unlikely to work as WiFi password : %1</source>
        <translation>Lösenordet innehåller nationella tecken eller specialtecken som troligen inte fungerar i ett WiFi-lösenord: %1</translation>
    </message>
    <message>
        <source>Panel settings reset. The control board and the Wi-Fi settings were not reset. The program closes in 5 seconds.</source>
        <translation>Panelens inställningar har återställts. Styrkortet och WiFi-inställningarna återställdes inte. Programmet stängs om 5 sekunder.</translation>
    </message>
    <message>
        <source>The settings file was damaged and has been repaired; settings on damaged lines may be lost. The damaged file was copied to %1</source>
        <translation>Inställningsfilen var skadad och har reparerats; inställningar på skadade rader kan ha gått förlorade. Den skadade filen kopierades till %1</translation>
    </message>
    <message>
        <source>The settings cannot be saved. Changes will not be kept when the program closes.</source>
        <translation>Inställningarna kan inte sparas. Ändringar behålls inte när programmet stängs.</translation>
    </message>
    <message>
        <source>Save the changes to favorite %1?</source>
        <translation>Spara ändringarna i favoriten %1?</translation>
    </message>
    <message>
        <source>System found on IP address %1</source>
        <translation>Ett system hittades på IP-adressen %1</translation>
    </message>
    <message>
        <source>Another system (%1) answered at the address of %2. The panel does not connect to it.</source>
        <translation>Ett annat system (%1) svarade på adressen till systemet %2. Panelen ansluter inte till det.</translation>
    </message>
    <message>
        <source>Save the changes to calendar program %1?</source>
        <translation>Spara ändringarna i kalenderprogrammet %1?</translation>
    </message>
    <message>
        <source>The PIN lock is on. The panel unlocks with PIN %1. To set another PIN, use Change PIN.</source>
        <translation>PIN-låset är på. Panelen låses upp med PIN-koden %1. Välj Byt PIN-kod för att ange en annan PIN-kod.</translation>
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
        <translation>å</translation>
    </message>
    <message>
        <source>keyboardRow2Pos0CapsFalseSymbolTrue_</source>
        <translation>€</translation>
    </message>
    <message>
        <source>keyboardRow2Pos0CapsTrue_SymbolFalse</source>
        <translation>Å</translation>
    </message>
    <message>
        <source>keyboardRow2Pos0CapsTrue_SymbolTrue_</source>
        <translation>€</translation>
    </message>
    <message>
        <source>keyboardRow2Pos1CapsFalseSymbolFalse</source>
        <translation>ö</translation>
    </message>
    <message>
        <source>keyboardRow2Pos1CapsFalseSymbolTrue_</source>
        <translation>$</translation>
    </message>
    <message>
        <source>keyboardRow2Pos1CapsTrue_SymbolFalse</source>
        <translation>Ö</translation>
    </message>
    <message>
        <source>keyboardRow2Pos1CapsTrue_SymbolTrue_</source>
        <translation>$</translation>
    </message>
    <message>
        <source>keyboardRow2Pos2CapsFalseSymbolFalse</source>
        <translation>ä</translation>
    </message>
    <message>
        <source>keyboardRow2Pos2CapsFalseSymbolTrue_</source>
        <translation>£</translation>
    </message>
    <message>
        <source>keyboardRow2Pos2CapsTrue_SymbolFalse</source>
        <translation>Ä</translation>
    </message>
    <message>
        <source>keyboardRow2Pos2CapsTrue_SymbolTrue_</source>
        <translation>£</translation>
    </message>
    <message>
        <source>keyboardRow2Pos3CapsFalseSymbolFalse</source>
        <translation>-</translation>
    </message>
    <message>
        <source>keyboardRow2Pos3CapsFalseSymbolTrue_</source>
        <translation>¥</translation>
    </message>
    <message>
        <source>keyboardRow2Pos3CapsTrue_SymbolFalse</source>
        <translation>-</translation>
    </message>
    <message>
        <source>keyboardRow2Pos3CapsTrue_SymbolTrue_</source>
        <translation>¥</translation>
    </message>
    <message>
        <source>keyboardRow2Pos4CapsFalseSymbolFalse</source>
        <translation>.</translation>
    </message>
    <message>
        <source>keyboardRow2Pos4CapsFalseSymbolTrue_</source>
        <translation>°</translation>
    </message>
    <message>
        <source>keyboardRow2Pos4CapsTrue_SymbolFalse</source>
        <translation>.</translation>
    </message>
    <message>
        <source>keyboardRow2Pos4CapsTrue_SymbolTrue_</source>
        <translation>°</translation>
    </message>
    <message>
        <source>keyboardRow2Pos5CapsFalseSymbolFalse</source>
        <translation>,</translation>
    </message>
    <message>
        <source>keyboardRow2Pos5CapsFalseSymbolTrue_</source>
        <translation>§</translation>
    </message>
    <message>
        <source>keyboardRow2Pos5CapsTrue_SymbolFalse</source>
        <translation>,</translation>
    </message>
    <message>
        <source>keyboardRow2Pos5CapsTrue_SymbolTrue_</source>
        <translation>§</translation>
    </message>
    <message>
        <source>keyboardRow2Pos6CapsFalseSymbolFalse</source>
        <translation>'</translation>
    </message>
    <message>
        <source>keyboardRow2Pos6CapsFalseSymbolTrue_</source>
        <translation>~</translation>
    </message>
    <message>
        <source>keyboardRow2Pos6CapsTrue_SymbolFalse</source>
        <translation>'</translation>
    </message>
    <message>
        <source>keyboardRow2Pos6CapsTrue_SymbolTrue_</source>
        <translation>~</translation>
    </message>
    <message>
        <source>keyboardRow2Pos7CapsFalseSymbolFalse</source>
        <translation>!</translation>
    </message>
    <message>
        <source>keyboardRow2Pos7CapsFalseSymbolTrue_</source>
        <translation>|</translation>
    </message>
    <message>
        <source>keyboardRow2Pos7CapsTrue_SymbolFalse</source>
        <translation>!</translation>
    </message>
    <message>
        <source>keyboardRow2Pos7CapsTrue_SymbolTrue_</source>
        <translation>|</translation>
    </message>
    <message>
        <source>keyboardRow2Pos8CapsFalseSymbolFalse</source>
        <translation>?</translation>
    </message>
    <message>
        <source>keyboardRow2Pos8CapsFalseSymbolTrue_</source>
        <translation>\</translation>
    </message>
    <message>
        <source>keyboardRow2Pos8CapsTrue_SymbolFalse</source>
        <translation>?</translation>
    </message>
    <message>
        <source>keyboardRow2Pos8CapsTrue_SymbolTrue_</source>
        <translation>\</translation>
    </message>
    <message>
        <source>keyboardRow2Pos9CapsFalseSymbolFalse</source>
        <translation>&amp;</translation>
    </message>
    <message>
        <source>keyboardRow2Pos9CapsFalseSymbolTrue_</source>
        <translation>^</translation>
    </message>
    <message>
        <source>keyboardRow2Pos9CapsTrue_SymbolFalse</source>
        <translation>&amp;</translation>
    </message>
    <message>
        <source>keyboardRow2Pos9CapsTrue_SymbolTrue_</source>
        <translation>^</translation>
    </message>
    <message>
        <source>keyboardRow2Pos10CapsFalseSymbolFalse</source>
        <translation>(</translation>
    </message>
    <message>
        <source>keyboardRow2Pos10CapsFalseSymbolTrue_</source>
        <translation>´</translation>
    </message>
    <message>
        <source>keyboardRow2Pos10CapsTrue_SymbolFalse</source>
        <translation>(</translation>
    </message>
    <message>
        <source>keyboardRow2Pos10CapsTrue_SymbolTrue_</source>
        <translation>´</translation>
    </message>
    <message>
        <source>keyboardRow2Pos11CapsFalseSymbolFalse</source>
        <translation>)</translation>
    </message>
    <message>
        <source>keyboardRow2Pos11CapsFalseSymbolTrue_</source>
        <translation>¨</translation>
    </message>
    <message>
        <source>keyboardRow2Pos11CapsTrue_SymbolFalse</source>
        <translation>)</translation>
    </message>
    <message>
        <source>keyboardRow2Pos11CapsTrue_SymbolTrue_</source>
        <translation>¨</translation>
    </message>
    <message>
        <source>keyboardRow2Pos12CapsFalseSymbolFalse</source>
        <translation>:</translation>
    </message>
    <message>
        <source>keyboardRow2Pos12CapsFalseSymbolTrue_</source>
        <translation>µ</translation>
    </message>
    <message>
        <source>keyboardRow2Pos12CapsTrue_SymbolFalse</source>
        <translation>:</translation>
    </message>
    <message>
        <source>keyboardRow2Pos12CapsTrue_SymbolTrue_</source>
        <translation>µ</translation>
    </message>
    <message>
        <source>keyboardRow2Pos13CapsFalseSymbolFalse</source>
        <translation>/</translation>
    </message>
    <message>
        <source>keyboardRow2Pos13CapsFalseSymbolTrue_</source>
        <translation>¿</translation>
    </message>
    <message>
        <source>keyboardRow2Pos13CapsTrue_SymbolFalse</source>
        <translation>/</translation>
    </message>
    <message>
        <source>keyboardRow2Pos13CapsTrue_SymbolTrue_</source>
        <translation>¿</translation>
    </message>
    <message>
        <source>keyboardRow2Pos14CapsFalseSymbolFalse</source>
        <translation>+</translation>
    </message>
    <message>
        <source>keyboardRow2Pos14CapsFalseSymbolTrue_</source>
        <translation>¡</translation>
    </message>
    <message>
        <source>keyboardRow2Pos14CapsTrue_SymbolFalse</source>
        <translation>+</translation>
    </message>
    <message>
        <source>keyboardRow2Pos14CapsTrue_SymbolTrue_</source>
        <translation>¡</translation>
    </message>
    <message>
        <source>keyboardRow2Pos15CapsFalseSymbolFalse</source>
        <translation>@</translation>
    </message>
    <message>
        <source>keyboardRow2Pos15CapsFalseSymbolTrue_</source>
        <translation>«</translation>
    </message>
    <message>
        <source>keyboardRow2Pos15CapsTrue_SymbolFalse</source>
        <translation>@</translation>
    </message>
    <message>
        <source>keyboardRow2Pos15CapsTrue_SymbolTrue_</source>
        <translation>«</translation>
    </message>
    <message>
        <source>keyboardRow2Pos16CapsFalseSymbolFalse</source>
        <translation>#</translation>
    </message>
    <message>
        <source>keyboardRow2Pos16CapsFalseSymbolTrue_</source>
        <translation>»</translation>
    </message>
    <message>
        <source>keyboardRow2Pos16CapsTrue_SymbolFalse</source>
        <translation>#</translation>
    </message>
    <message>
        <source>keyboardRow2Pos16CapsTrue_SymbolTrue_</source>
        <translation>»</translation>
    </message>
    <message>
        <source>keyboardRow2Pos17CapsFalseSymbolFalse</source>
        <translation>%</translation>
    </message>
    <message>
        <source>keyboardRow2Pos17CapsFalseSymbolTrue_</source>
        <translation>¤</translation>
    </message>
    <message>
        <source>keyboardRow2Pos17CapsTrue_SymbolFalse</source>
        <translation>%</translation>
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
    <name>LimitsMenuPage</name>
    <message>
        <source>Limits</source>
        <translation>Gränser</translation>
    </message>
    <message>
        <source>Bath temperature</source>
        <translation>Badtemperatur</translation>
    </message>
    <message>
        <source>Highest bath temperature a user can set</source>
        <translation>Högsta badtemperatur en användare kan ställa in</translation>
    </message>
    <message>
        <source>Water temperature</source>
        <translation>Vattentemperatur</translation>
    </message>
    <message>
        <source>Max water fill time</source>
        <translation>Max påfyllningstid</translation>
    </message>
    <message>
        <source>Overheating</source>
        <translation>Överhettning</translation>
    </message>
    <message>
        <source>Control board</source>
        <translation>Styrkort</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Vatten</translation>
    </message>
</context>
<context>
    <name>LimitEditorPage</name>
    <message>
        <source>Save</source>
        <translation>Spara</translation>
    </message>
</context>
<context>
    <name>NotAllowedStartPage</name>
    <message>
        <source>Not allowed start</source>
        <translation>Startspärr</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Från</translation>
    </message>
    <message>
        <source>Until</source>
        <translation>Till</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Spara</translation>
    </message>
</context>
<context>
    <name>view::ConfigureLimitsViewManager</name>
    <message>
        <source>Bath temperature</source>
        <translation>Badtemperatur</translation>
    </message>
    <message>
        <source>Overheating</source>
        <translation>Överhettning</translation>
    </message>
    <message>
        <source>Water temperature</source>
        <translation>Vattentemperatur</translation>
    </message>
    <message>
        <source>Not allowed start</source>
        <translation>Startspärr</translation>
    </message>
    <message>
        <source>Max water fill time</source>
        <translation>Max påfyllningstid</translation>
    </message>
</context>
<context>
    <name>view::ConfigureLimitsNotAllowedStartViewManager</name>
    <message>
        <source>Activate time limit</source>
        <translation>Aktivera tidsgräns</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Från</translation>
    </message>
    <message>
        <source>Until</source>
        <translation>Till</translation>
    </message>
</context>
<context>
    <name>view::ConfigureDateTimeViewManager</name>
    <message>
        <source>Time</source>
        <translation>Tid</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Weekstart</source>
        <translation>Veckostart</translation>
    </message>
    <message>
        <source>Erase calendar</source>
        <translation>Radera kalender</translation>
    </message>
</context>
<context>
    <name>view::ConfigureDateTimeTimeViewManager</name>
    <message>
        <source>Time</source>
        <translation>Tid</translation>
    </message>
    <message>
        <source>Time format</source>
        <translation>Tidsformat</translation>
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
        <translation>Datum</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Datumformat</translation>
    </message>
    <message>
        <source>YY/MM/DD</source>
        <translation>ÅÅ/MM/DD</translation>
    </message>
    <message>
        <source>DD/MM/YY</source>
        <translation>DD/MM/ÅÅ</translation>
    </message>
    <message>
        <source>MM/DD/YY</source>
        <translation>MM/DD/ÅÅ</translation>
    </message>
</context>
<context>
    <name>view::ConfigureDateTimeWeekBeginViewManager</name>
    <message>
        <source>Monday</source>
        <translation>Måndag</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Söndag</translation>
    </message>
</context>
<context>
    <name>view::ConfigureDateTimeEraseCalendarViewManager</name>
    <message>
        <source>Erase calendar</source>
        <translation>Radera kalender</translation>
    </message>
</context>
<context>
    <name>DateTimeMenuPage</name>
    <message>
        <source>Date and time</source>
        <translation>Datum och tid</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tid</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Weekstart</source>
        <translation>Veckostart</translation>
    </message>
    <message>
        <source>Erase calendar</source>
        <translation>Radera kalender</translation>
    </message>
</context>
<context>
    <name>SetTimePage</name>
    <message>
        <source>Set time</source>
        <translation>Ställ in tid</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Spara</translation>
    </message>
</context>
<context>
    <name>SetDatePage</name>
    <message>
        <source>Set date</source>
        <translation>Ställ in datum</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Spara</translation>
    </message>
</context>
<context>
    <name>AdvancedSettingsPage</name>
    <message>
        <source>Advanced settings</source>
        <translation>Avancerat</translation>
    </message>
</context>
<context>
    <name>CleanupPage</name>
    <message>
        <source>Cleanup note</source>
        <translation>Rengöringspåminnelse</translation>
    </message>
    <message>
        <source>Time interval</source>
        <translation>Tidsintervall</translation>
    </message>
</context>
<context>
    <name>DurationEditorPage</name>
    <message>
        <source>Save</source>
        <translation>Spara</translation>
    </message>
</context>
<context>
    <name>ExternalSwitchPage</name>
    <message>
        <source>External switch</source>
        <translation>Extern brytare</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Funktion</translation>
    </message>
    <message>
        <source>Bath time</source>
        <translation>Badtid</translation>
    </message>
</context>
<context>
    <name>FanPage</name>
    <message>
        <source>Fan</source>
        <translation>Fläkt</translation>
    </message>
    <message>
        <source>Running Time</source>
        <translation>Gångtid</translation>
    </message>
</context>
<context>
    <name>StandbyPage</name>
    <message>
        <source>Temperature reduction</source>
        <translation>Temperatursänkning</translation>
    </message>
    <message>
        <source>Tank standby temperature</source>
        <translation>Tankens standbytemperatur</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Spara</translation>
    </message>
</context>
<context>
    <name>TankAutoEmptyingPage</name>
    <message>
        <source>Tank auto emptying</source>
        <translation>Auto-tanktömning</translation>
    </message>
    <message>
        <source>Time interval</source>
        <translation>Tidsintervall</translation>
    </message>
</context>
<context>
    <name>view::ConfigureAdvancedSettingsExtSwitchViewManager</name>
    <message>
        <source>Bath time</source>
        <translation>Badtid</translation>
    </message>
    <message>
        <source>Renew bath time</source>
        <translation>Förnya badtiden</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>På/Av</translation>
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
        <translation>Gångtid</translation>
    </message>
</context>
<context>
    <name>view::ConfigureAdvancedSettingsStandbyViewManager</name>
    <message>
        <source>Enable</source>
        <translation>Aktivera</translation>
    </message>
    <message>
        <source>Enable standby</source>
        <translation>Aktivera standby</translation>
    </message>
</context>
<context>
    <name>view::ConfigureAdvancedSettingsViewManager</name>
    <message>
        <source>External switch</source>
        <translation>Extern brytare</translation>
    </message>
    <message>
        <source>Fan</source>
        <translation>Fläkt</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemCleanupViewManager</name>
    <message>
        <source>Enable</source>
        <translation>Aktivera</translation>
    </message>
    <message>
        <source>Time interval</source>
        <translation>Tidsintervall</translation>
    </message>
    <message>
        <source>Tank Empty Notes</source>
        <translation>Meddelanden om tom tank</translation>
    </message>
    <message>
        <source>Cleanup&apos;s until now: %1</source>
        <translation>Rengöringar hittills: %1</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemTankAutoEmptyingViewManager</name>
    <message>
        <source>Enable</source>
        <translation>Aktivera</translation>
    </message>
    <message>
        <source>Time interval</source>
        <translation>Tidsintervall</translation>
    </message>
</context>
<context>
    <name>LanguagePage</name>
    <message>
        <source>Language</source>
        <translation>Språk</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Spara</translation>
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
        <translation>Valet av region ställer också in dess datumformat, tidsformat, veckans första dag och temperaturenhet.</translation>
    </message>
</context>
<context>
    <name>UnitsPage</name>
    <message>
        <source>Units</source>
        <translation>Enheter</translation>
    </message>
</context>
<context>
    <name>view::ConfigureGeneralDisplayViewManager</name>
    <message>
        <source>Never</source>
        <translation>Aldrig</translation>
    </message>
    <message>
        <source>15 seconds</source>
        <translation>15 sekunder</translation>
    </message>
    <message>
        <source>30 seconds</source>
        <translation>30 sekunder</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minut</translation>
    </message>
    <message>
        <source>2 minutes</source>
        <translation>2 minuter</translation>
    </message>
    <message>
        <source>3 minutes</source>
        <translation>3 minuter</translation>
    </message>
    <message>
        <source>4 minutes</source>
        <translation>4 minuter</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 minuter</translation>
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
        <translation>Nordamerika</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Annan</translation>
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
        <translation>Om</translation>
    </message>
</context>
<context>
    <name>IdentifyBoardsPage</name>
    <message>
        <source>Identify RCB</source>
        <translation>Identifiera reläkort</translation>
    </message>
    <message>
        <source>Press a button to sound the buzzer of that relay control board.</source>
        <translation>Tryck på en knapp för att låta det reläkortets summer ljuda.</translation>
    </message>
</context>
<context>
    <name>LicencePage</name>
    <message>
        <source>License Info</source>
        <translation>Licensinformation</translation>
    </message>
</context>
<context>
    <name>LinuxComponentsPage</name>
    <message>
        <source>Libraries of this PC</source>
        <translation>Datorns bibliotek</translation>
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
        <translation>Datorns bibliotek</translation>
    </message>
    <message>
        <source>%1 control panel is designed using open source software components, which are subject to the copyrights of their authors.</source>
        <translation>Kontrollpanelen %1 är utformad med programkomponenter med öppen källkod, som omfattas av sina upphovsmäns upphovsrätt.</translation>
    </message>
    <message>
        <source>Component and license info is provided in english only, many licenses provide translations on their respective web site. Select component in the list below to see respective info.</source>
        <translation>Komponent- och licensinformation finns endast på engelska; många licenser har översättningar på sina respektive webbplatser. Välj en komponent i listan nedan för att se dess information.</translation>
    </message>
    <message>
        <source>[The rest of the file is not shown.]</source>
        <translation>[Resten av filen visas inte.]</translation>
    </message>
    <message>
        <source>This</source>
        <translation>Denna</translation>
    </message>
</context>
<context>
    <name>view::ConfigureGeneralAboutViewManager</name>
    <message>
        <source>License Info</source>
        <translation>Licensinformation</translation>
    </message>
    <message>
        <source>Identify RCB</source>
        <translation>Identifiera reläkort</translation>
    </message>
    <message>
        <source>PC Control Panel</source>
        <translation>PC-kontrollpanel</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Programversion</translation>
    </message>
    <message>
        <source>Instance</source>
        <translation>Instans</translation>
    </message>
    <message>
        <source>Control Panel</source>
        <translation>Kontrollpanel</translation>
    </message>
    <message>
        <source>Facility Type</source>
        <translation>Anläggningstyp</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Programvara</translation>
    </message>
    <message>
        <source>Node</source>
        <translation>Nod</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Produkt</translation>
    </message>
    <message>
        <source>Zerededid version</source>
        <translation>Zerededid-version</translation>
    </message>
    <message>
        <source>Supervised</source>
        <translation>Övervakad</translation>
    </message>
    <message>
        <source>Time Controlled</source>
        <translation>Tidsstyrd</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Privat</translation>
    </message>
    <message>
        <source>Public</source>
        <translation>Offentlig</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Okänd</translation>
    </message>
    <message>
        <source> Lite</source>
        <translation> Lite</translation>
    </message>
    <message>
        <source>Relay Control Board</source>
        <translation>Reläkort</translation>
    </message>
    <message>
        <source>Temperature and Humidity Sensor</source>
        <translation>Temperatur- och fuktgivare</translation>
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
    <name>InitialSetup</name>
    <message>
        <source>Language</source>
        <translation>Språk</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tid</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Setup after factory reset, step %1 of %2</source>
        <translation>Inställning efter fabriksåterställning, steg %1 av %2</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nästa</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klar</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemStatusViewManager</name>
    <message>
        <source>Clean-ups: %1</source>
        <translation>Rengöringar: %1</translation>
    </message>
    <message>
        <source>Room temperature: %1%2</source>
        <translation>Rumstemperatur: %1%2</translation>
    </message>
    <message>
        <source>Room humidity: %1%2</source>
        <translation>Luftfuktighet i rummet: %1%2</translation>
    </message>
    <message>
        <source>Water temperature%1: %2%3</source>
        <translation>Vattentemperatur%1: %2%3</translation>
    </message>
    <message>
        <source>Water level</source>
        <translation>Vattennivå</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Låg</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>Mellan</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hög</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Okänd</translation>
    </message>
    <message>
        <source>Magnetic contact: %1</source>
        <translation>Magnetkontakt: %1</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Ansluten</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Inte ansluten</translation>
    </message>
    <message>
        <source>Smart Start Heat Ratio: %1%2</source>
        <translation>Smart Start uppvärmningstakt: %1%2</translation>
    </message>
    <message>
        <source>/min</source>
        <translation>/min</translation>
    </message>
    <message>
        <source>PCB relays:</source>
        <translation>Kretskortets reläer:</translation>
    </message>
    <message>
        <source>primary</source>
        <translation>primär</translation>
    </message>
    <message>
        <source>secondary</source>
        <translation>sekundär</translation>
    </message>
    <message>
        <source>Total runtime: %1%2</source>
        <translation>Total drifttid: %1%2</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
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
    <name>ErrorLogPage</name>
    <message>
        <source>Error log</source>
        <translation>Fellogg</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Rensa</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemFactoryResetViewManager</name>
    <message>
        <source>Reset</source>
        <translation>Återställ</translation>
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
        <translation>Automatisk</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>På/Av</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Delad</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemWiFiViewManager</name>
    <message>
        <source>Enable</source>
        <translation>Aktivera</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Nätverk</translation>
    </message>
    <message>
        <source>External Units</source>
        <translation>Externa enheter</translation>
    </message>
    <message>
        <source>WiFi Networks</source>
        <translation>WiFi-nätverk</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Sök</translation>
    </message>
    <message>
        <source>No IP address found</source>
        <translation>Ingen IP-adress hittades</translation>
    </message>
    <message>
        <source>IP address: %1</source>
        <translation>IP-adress: %1</translation>
    </message>
    <message>
        <source>IP addresses</source>
        <translation>IP-adresser</translation>
    </message>
    <message>
        <source>Identity</source>
        <translation>Identitet</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Lösenord</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemAuxViewManager</name>
    <message>
        <source>Not in use</source>
        <translation>Används inte</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>På/Av</translation>
    </message>
    <message>
        <source>Fragrance</source>
        <translation>Doft</translation>
    </message>
    <message>
        <source>Descaling</source>
        <translation>Avkalkning</translation>
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
        <translation>Paus</translation>
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
    <name>view::ConfigureSystemAuxDescalingViewManager</name>
    <message>
        <source>Enable</source>
        <translation>Aktivera</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Starttid</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Varaktighet</translation>
    </message>
    <message>
        <source>Dosage</source>
        <translation>Dosering</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>Veckodag</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Senast</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Upprepa</translation>
    </message>
    <message>
        <source>Every week</source>
        <translation>Varje vecka</translation>
    </message>
    <message>
        <source>Every 2nd week</source>
        <translation>Varannan vecka</translation>
    </message>
    <message>
        <source>Every 3rd week</source>
        <translation>Var tredje vecka</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Månadsvis</translation>
    </message>
</context>
<context>
    <name>AuxRelaysPage</name>
    <message>
        <source>Options</source>
        <translation>Tillval</translation>
    </message>
    <message>
        <source>Fragrance</source>
        <translation>Doft</translation>
    </message>
    <message>
        <source>Descaling</source>
        <translation>Avkalkning</translation>
    </message>
</context>
<context>
    <name>AuxRelayPage</name>
    <message>
        <source>Function</source>
        <translation>Funktion</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Namn</translation>
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
        <translation>Paus</translation>
    </message>
</context>
<context>
    <name>AuxDescalingPage</name>
    <message>
        <source>Start time</source>
        <translation>Starttid</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Varaktighet</translation>
    </message>
    <message>
        <source>Dosage</source>
        <translation>Dosering</translation>
    </message>
    <message>
        <source>ml</source>
        <translation>ml</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>Veckodag</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Upprepa</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemFacilityTypeViewManager</name>
    <message>
        <source>Private</source>
        <translation>Privat</translation>
    </message>
    <message>
        <source>Public</source>
        <translation>Offentlig</translation>
    </message>
    <message>
        <source>Time controlled</source>
        <translation>Tidsstyrd</translation>
    </message>
    <message>
        <source>Supervised</source>
        <translation>Övervakad</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemBathPriorityViewManager</name>
    <message>
        <source>Automatic</source>
        <translation>Automatisk</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Luftfuktighet</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemPauseTimerViewManager</name>
    <message>
        <source>Reset pause timer</source>
        <translation>Återställ pausetimer</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemFilterViewManager</name>
    <message>
        <source>Filter temperature</source>
        <translation>Filtrera temperatur</translation>
    </message>
    <message>
        <source>Filter humidity</source>
        <translation>Filtrera luftfuktighet</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemIrViewManager</name>
    <message>
        <source>Enable</source>
        <translation>Aktivera</translation>
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
    <name>FacilityTypePage</name>
    <message>
        <source>Facility type</source>
        <translation>Anläggningstyp</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Spara</translation>
    </message>
</context>
<context>
    <name>BathPriorityPage</name>
    <message>
        <source>Bath type priority</source>
        <translation>Prioritet för badtyp</translation>
    </message>
</context>
<context>
    <name>PauseTimerPage</name>
    <message>
        <source>Pause timer</source>
        <translation>Pausetimer</translation>
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
    <name>IpConnectPage</name>
    <message>
        <source>IP detect</source>
        <translation>Sök via IP</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-adress</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
</context>
<context>
    <name>NetworkListPage</name>
    <message>
        <source>Network</source>
        <translation>Nätverk</translation>
    </message>
    <message>
        <source>Sauna systems</source>
        <translation>Bastusystem</translation>
    </message>
</context>
<context>
    <name>PinEditorPage</name>
    <message>
        <source>Enter PIN</source>
        <translation>Ange PIN-kod</translation>
    </message>
    <message>
        <source>PIN of the sauna system</source>
        <translation>Bastusystemets PIN-kod</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Spara</translation>
    </message>
</context>
<context>
    <name>SaunaDetailsPage</name>
    <message>
        <source>System details</source>
        <translation>Systemdetaljer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Ta bort</translation>
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
    <name>view::ConfigureSystemNetworkViewManager</name>
    <message>
        <source>IP detect</source>
        <translation>Sök via IP</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>okänd</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-adress</translation>
    </message>
    <message>
        <source>Last announcement</source>
        <translation>Senaste annonsering</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ingen</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Enter PIN</source>
        <translation>Ange PIN-kod</translation>
    </message>
    <message>
        <source>Detect</source>
        <translation>Sök</translation>
    </message>
    <message>
        <source>The PIN must be 1 to 4 digits</source>
        <translation>PIN-koden måste ha 1 till 4 siffror</translation>
    </message>
    <message>
        <source>Invalid IP address</source>
        <translation>Ogiltig IP-adress</translation>
    </message>
    <message>
        <source>Invalid port</source>
        <translation>Ogiltig port</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemViewManager</name>
    <message>
        <source>Options</source>
        <translation>Tillval</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Nätverk</translation>
    </message>
    <message>
        <source>Cleanup note</source>
        <translation>Rengöringspåminnelse</translation>
    </message>
    <message>
        <source>Tank auto emptying</source>
        <translation>Auto-tanktömning</translation>
    </message>
    <message>
        <source>Bath type priority</source>
        <translation>Prioritet för badtyp</translation>
    </message>
    <message>
        <source>Pause timer</source>
        <translation>Pausetimer</translation>
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
        <translation>Fellogg</translation>
    </message>
    <message>
        <source>Facility type</source>
        <translation>Anläggningstyp</translation>
    </message>
</context>
</TS>
