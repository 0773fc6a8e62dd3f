<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL" sourcelanguage="en_GB">
<context>
    <name>CalendarPage</name>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Week</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Datums</translation>
    </message>
    <message>
        <source>Queue</source>
        <translation>Wachtrij</translation>
    </message>
    <message>
        <source>Date program</source>
        <translation>Datumprogramma</translation>
    </message>
    <message>
        <source>Weekly program</source>
        <translation>Weekprogramma</translation>
    </message>
</context>
<context>
    <name>DurationStepper</name>
    <message>
        <source>h</source>
        <translation>u</translation>
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
        <translation>Favoriet</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Naam wijzigen</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatuur</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Vochtigheid</translation>
    </message>
    <message>
        <source>Edit bath time</source>
        <translation>Badtijd bewerken</translation>
    </message>
    <message>
        <source>Bath time</source>
        <translation>Badtijd</translation>
    </message>
    <message>
        <source>Set bath time</source>
        <translation>Badtijd instellen</translation>
    </message>
    <message>
        <source>Lights</source>
        <translation>Licht</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
</context>
<context>
    <name>FavoritesPage</name>
    <message>
        <source>Favorites</source>
        <translation>Favorieten</translation>
    </message>
    <message>
        <source>Save current settings as favorite</source>
        <translation>Huidige instellingen als favoriet opslaan</translation>
    </message>
</context>
<context>
    <name>GeneralMenuPage</name>
    <message>
        <source>General</source>
        <translation>Algemeen</translation>
    </message>
</context>
<context>
    <name>GenericListView</name>
    <message>
        <source>Nothing to show</source>
        <translation>Niets om te tonen</translation>
    </message>
</context>
<context>
    <name>HeaterSettingsPage</name>
    <message>
        <source>Heater settings</source>
        <translation>Kachelinstellingen</translation>
    </message>
    <message>
        <source>Bath time</source>
        <translation>Badtijd</translation>
    </message>
    <message>
        <source>Save bath time</source>
        <translation>Badtijd opslaan</translation>
    </message>
    <message>
        <source>Fan</source>
        <translation>Ventilator</translation>
    </message>
    <message>
        <source>Fan running</source>
        <translation>Ventilator draait</translation>
    </message>
    <message>
        <source>Automatic fan</source>
        <translation>Automatische ventilator</translation>
    </message>
    <message>
        <source>Runs with the heater</source>
        <translation>Draait mee met de kachel</translation>
    </message>
    <message>
        <source>Auxiliary relays</source>
        <translation>Extra relais</translation>
    </message>
</context>
<context>
    <name>HumidityStepper</name>
    <message>
        <source>level</source>
        <translation>niveau</translation>
    </message>
</context>
<context>
    <name>LightsTile</name>
    <message>
        <source>Lights</source>
        <translation>Licht</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Aan</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Uit</translation>
    </message>
</context>
<context>
    <name>LockedControlPage</name>
    <message>
        <source>Target temperature</source>
        <translation>Gewenste temperatuur</translation>
    </message>
    <message>
        <source>Target humidity</source>
        <translation>Gewenste vochtigheid</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Ontgrendelen</translation>
    </message>
</context>
<context>
    <name>MainControlPage</name>
    <message>
        <source>Humidity %1</source>
        <translation>Vochtigheid %1</translation>
    </message>
    <message>
        <source>Humidity --</source>
        <translation>Vochtigheid --</translation>
    </message>
    <message>
        <source>Target temperature</source>
        <translation>Gewenste temperatuur</translation>
    </message>
    <message>
        <source>Target humidity</source>
        <translation>Gewenste vochtigheid</translation>
    </message>
    <message>
        <source>Bath time</source>
        <translation>Badtijd</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Resterende tijd</translation>
    </message>
    <message>
        <source>Fan</source>
        <translation>Ventilator</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Aan</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Uit</translation>
    </message>
</context>
<context>
    <name>NotConnectedNotice</name>
    <message>
        <source>No sauna is connected. Connect one in Settings → Network.</source>
        <translation>Er is geen sauna verbonden. Verbind er een via Instellingen → Netwerk.</translation>
    </message>
</context>
<context>
    <name>OnScreenKeyboard</name>
    <message>
        <source>At most %1 characters</source>
        <translation>Hoogstens %1 tekens</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Spatie</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
</context>
<context>
    <name>PinChangePage</name>
    <message>
        <source>Wrong PIN</source>
        <translation>Onjuiste pincode</translation>
    </message>
    <message>
        <source>Invalid PIN</source>
        <translation>Ongeldige pincode</translation>
    </message>
    <message>
        <source>The PINs do not match</source>
        <translation>De pincodes komen niet overeen</translation>
    </message>
    <message>
        <source>Change PIN</source>
        <translation>Pincode wijzigen</translation>
    </message>
    <message>
        <source>Enter current PIN</source>
        <translation>Huidige pincode invoeren</translation>
    </message>
    <message>
        <source>Enter new PIN</source>
        <translation>Nieuwe pincode invoeren</translation>
    </message>
    <message>
        <source>Confirm new PIN</source>
        <translation>Nieuwe pincode bevestigen</translation>
    </message>
</context>
<context>
    <name>PinEntryPage</name>
    <message>
        <source>Enter PIN</source>
        <translation>Pincode invoeren</translation>
    </message>
    <message>
        <source>Wrong PIN</source>
        <translation>Onjuiste pincode</translation>
    </message>
</context>
<context>
    <name>PinSettingsPage</name>
    <message>
        <source>PIN</source>
        <translation>Pincode</translation>
    </message>
</context>
<context>
    <name>ProgramSettingsPage</name>
    <message>
        <source>Ready at</source>
        <translation>Klaar</translation>
    </message>
    <message>
        <source>Set ready time</source>
        <translation>Klaartijd instellen</translation>
    </message>
    <message>
        <source>Custom settings</source>
        <translation>Eigen instellingen</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatuur</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Vochtigheid</translation>
    </message>
    <message>
        <source>Stop after</source>
        <translation>Stop na</translation>
    </message>
    <message>
        <source>Set stop time</source>
        <translation>Stoptijd instellen</translation>
    </message>
    <message>
        <source>Use custom settings</source>
        <translation>Eigen instellingen gebruiken</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Start at</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Set start time</source>
        <translation>Starttijd instellen</translation>
    </message>
    <message>
        <source>Set temperature</source>
        <translation>Temperatuur instellen</translation>
    </message>
    <message>
        <source>Set humidity</source>
        <translation>Vochtigheid instellen</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>PC Panel</source>
        <translation>Pc-paneel</translation>
    </message>
    <message>
        <source>Smart Phone</source>
        <translation>Smartphone</translation>
    </message>
    <message>
        <source>Tablet</source>
        <translation>Tablet</translation>
    </message>
    <message>
        <source>Home Automation</source>
        <translation>Domotica</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Overig</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Onbekend</translation>
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
        <translation>Combi handmatig</translation>
    </message>
    <message>
        <source>Combi automatic</source>
        <translation>Combi automatisch</translation>
    </message>
    <message>
        <source>Steam private</source>
        <translation>Stoom privé</translation>
    </message>
    <message>
        <source>Steam private auto</source>
        <translation>Stoom privé auto</translation>
    </message>
    <message>
        <source>Steam public</source>
        <translation>Stoom openbaar</translation>
    </message>
    <message>
        <source>Steam public/private Manual Empty</source>
        <translation>Stoom openbaar/privé, handmatig legen</translation>
    </message>
    <message>
        <source>Sauna box addon</source>
        <translation>Sauna-uitbreidingsbox</translation>
    </message>
    <message>
        <source>Sauna</source>
        <translation>Sauna</translation>
    </message>
    <message>
        <source>Sauna Low</source>
        <translation>Sauna laag</translation>
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
        <translation>Niet gedefinieerd</translation>
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
        <translation>K9 (zonder wifi)</translation>
    </message>
    <message>
        <source>Vertex (no Wifi)</source>
        <translation>Vertex (zonder wifi)</translation>
    </message>
    <message>
        <source>Fell</source>
        <translation>Fell</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Maandag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dinsdag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Woensdag</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donderdag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Vrijdag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Zaterdag</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Zondag</translation>
    </message>
    <message>
        <source>plural_Mondays</source>
        <translation>Maandagen</translation>
    </message>
    <message>
        <source>plural_Tuesdays</source>
        <translation>Dinsdagen</translation>
    </message>
    <message>
        <source>plural_Wednesdays</source>
        <translation>Woensdagen</translation>
    </message>
    <message>
        <source>plural_Thursdays</source>
        <translation>Donderdagen</translation>
    </message>
    <message>
        <source>plural_Fridays</source>
        <translation>Vrijdagen</translation>
    </message>
    <message>
        <source>plural_Saturdays</source>
        <translation>Zaterdagen</translation>
    </message>
    <message>
        <source>plural_Sundays</source>
        <translation>Zondagen</translation>
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
        <translation>Maart</translation>
    </message>
    <message>
        <source>long_form_April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>long_form_May</source>
        <translation>Mei</translation>
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
        <translation>Augustus</translation>
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
        <translation>mrt</translation>
    </message>
    <message>
        <source>short_form_April</source>
        <translation>apr</translation>
    </message>
    <message>
        <source>short_form_May</source>
        <translation>mei</translation>
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
        <translation>Niet-gedefinieerd relais</translation>
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
        <translation>Nee</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Aan/uit</translation>
    </message>
    <message>
        <source>Lighting</source>
        <translation>Verlichting</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatuur</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Vochtigheid</translation>
    </message>
    <message>
        <source>IR</source>
        <translation>IR</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Ready at</source>
        <translation>Klaar</translation>
    </message>
    <message>
        <source>Start at</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop after</source>
        <translation>Stop na</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Aangepast</translation>
    </message>
    <message>
        <source>Favorite</source>
        <translation>Favoriet</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Vandaag</translation>
    </message>
    <message>
        <source>Bath</source>
        <translation>Bad</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>Stand-by</translation>
    </message>
    <message>
        <source>Warm Start</source>
        <translation>Warme start</translation>
    </message>
    <message>
        <source>Current Settings</source>
        <translation>Huidige instellingen</translation>
    </message>
    <message>
        <source>Delayed start</source>
        <translation>Uitgestelde start</translation>
    </message>
    <message>
        <source>delayed start</source>
        <translation>uitgestelde start</translation>
    </message>
    <message>
        <source>date calendar program</source>
        <translation>datumprogramma</translation>
    </message>
    <message>
        <source>weekday calendar program</source>
        <translation>weekdagprogramma</translation>
    </message>
    <message>
        <source>ml</source>
        <translation>ml</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Aan</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Uit</translation>
    </message>
    <message>
        <source>Standard network</source>
        <translation>Standaardnetwerk</translation>
    </message>
    <message>
        <source>h</source>
        <translation>u</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Unknown user message id %1 (0x%2)</source>
        <translation>Onbekende gebruikersmelding-ID %1 (0x%2)</translation>
    </message>
    <message>
        <source>Primary</source>
        <translation>Primair</translation>
    </message>
    <message>
        <source>Secondary</source>
        <translation>Secundair</translation>
    </message>
    <message>
        <source>Descaling</source>
        <translation>Ontkalken</translation>
    </message>
    <message>
        <source>Auto connect</source>
        <translation>Automatisch verbinden</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Ontkoppelen</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Vernieuwen</translation>
    </message>
</context>
<context>
    <name>SaunaStatus</name>
    <message>
        <source>level</source>
        <translation>niveau</translation>
    </message>
    <message>
        <source>Heating</source>
        <translation>Opwarmen</translation>
    </message>
    <message>
        <source>Drying</source>
        <translation>Drogen</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>Stand-by</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <translation>Reinigen</translation>
    </message>
    <message>
        <source>Descaling</source>
        <translation>Ontkalken</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Uit</translation>
    </message>
</context>
<context>
    <name>SettingsFrame</name>
    <message>
        <source>System</source>
        <translation>Systeem</translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>Limieten</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Algemeen</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Datum en tijd</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <translation>Geavanceerde instellingen</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Netwerk</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
</context>
<context>
    <name>TemperatureDial</name>
    <message>
        <source>Room</source>
        <translation>Ruimte</translation>
    </message>
    <message>
        <source>Target %1</source>
        <translation>Gewenst %1</translation>
    </message>
</context>
<context>
    <name>WeekProgramsPage</name>
    <message>
        <source>Weekly programs active</source>
        <translation>Weekprogramma&apos;s actief</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Name of the favorite</source>
        <translation>Naam van de favoriet</translation>
    </message>
    <message>
        <source>Name of the relay</source>
        <translation>Naam van het relais</translation>
    </message>
    <message>
        <source>Sauna</source>
        <translation>Sauna</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favorieten</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
</context>
<context>
    <name>main_startup_screen</name>
    <message>
        <source>PC Control Panel</source>
        <translation>Pc-bedieningspaneel</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Starten…</translation>
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
        <translation>%1 - %2 (verbinding verbroken)</translation>
    </message>
</context>
<context>
    <name>view::ConfigureGeneralPinViewManager</name>
    <message>
        <source>Activate PIN</source>
        <translation>Pincode activeren</translation>
    </message>
    <message>
        <source>Change PIN</source>
        <translation>Pincode wijzigen</translation>
    </message>
    <message>
        <source>Controls on lockscreen</source>
        <translation>Bediening op vergrendelscherm</translation>
    </message>
</context>
<context>
    <name>view::ConfigureGeneralViewManager</name>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Regio</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Eenheden</translation>
    </message>
    <message>
        <source>PIN</source>
        <translation>Pincode</translation>
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
        <translation>Geen fout</translation>
    </message>
    <message>
        <source>Room temperature sensor not connected or malfunctioning</source>
        <translation>Ruimtetemperatuursensor niet aangesloten of defect</translation>
    </message>
    <message>
        <source>Steam tank temperature sensor not connected or malfunctioning</source>
        <translation>Temperatuursensor van de stoomtank niet aangesloten of defect</translation>
    </message>
    <message>
        <source>Relay Control Box PCB has overheated</source>
        <translation>Relaiskaart is oververhit</translation>
    </message>
    <message>
        <source>Electrode short circuit</source>
        <translation>Kortsluiting in de elektroden</translation>
    </message>
    <message>
        <source>Steamtank overfill. Level electrodes malfunction.</source>
        <translation>Stoomtank overvol. Niveau-elektroden defect.</translation>
    </message>
    <message>
        <source>Contact lost with Zerededid node of node profile Control Panel Home</source>
        <translation>Contact verloren met Zerededid-node met nodeprofiel Bedieningspaneel Home</translation>
    </message>
    <message>
        <source>Contact lost with Zerededid node of node profile Temperature/Humidity Sensor</source>
        <translation>Contact verloren met Zerededid-node met nodeprofiel Temperatuur-/vochtigheidssensor</translation>
    </message>
    <message>
        <source>Steam tank has overheated</source>
        <translation>Stoomtank is oververhit</translation>
    </message>
    <message>
        <source>Real-time clock (RTC) communication failure</source>
        <translation>Communicatiefout met de realtimeklok (RTC)</translation>
    </message>
    <message>
        <source>Communication with addon card lost.</source>
        <translation>Communicatie met de uitbreidingskaart verbroken.</translation>
    </message>
    <message>
        <source>Emptying of water in steam tank failure. Turn off power and do service.</source>
        <translation>Legen van het water in de stoomtank mislukt. Schakel de stroom uit en voer onderhoud uit.</translation>
    </message>
    <message>
        <source>Level electrodes steam tank out of service, interruption mid</source>
        <translation>Niveau-elektroden van de stoomtank buiten werking, onderbreking middenniveau</translation>
    </message>
    <message>
        <source>Zerededid connected humidity sensor malfunctioning</source>
        <translation>Via Zerededid aangesloten vochtigheidssensor defect</translation>
    </message>
    <message>
        <source>Zerededid connected temperature sensor malfunctioning</source>
        <translation>Via Zerededid aangesloten temperatuursensor defect</translation>
    </message>
    <message>
        <source>Contact lost with Zerededid node of node profile Relay Control Board</source>
        <translation>Contact verloren met Zerededid-node met nodeprofiel Relaiskaart</translation>
    </message>
    <message>
        <source>High temperature limit control have trip out, must be reset</source>
        <translation>De oververhittingsbeveiliging is geactiveerd en moet worden gereset</translation>
    </message>
    <message>
        <source>Room temperature sensor overheated</source>
        <translation>Ruimtetemperatuursensor oververhit</translation>
    </message>
    <message>
        <source>Too many units connected</source>
        <translation>Te veel apparaten aangesloten</translation>
    </message>
    <message>
        <source>The door has been open for more than the allowed time. Ongoing bath cancelled.</source>
        <translation>De deur heeft langer opengestaan dan toegestaan. Lopend bad geannuleerd.</translation>
    </message>
    <message>
        <source>Magnetic contact open more than 60 seconds since last bath</source>
        <translation>Magneetcontact sinds het laatste bad langer dan 60 seconden open</translation>
    </message>
</context>
<context>
    <name>view::details::UserMessageFunctions</name>
    <message>
        <source>Weekday calendar program collision detected</source>
        <translation>Overlapping van weekdagprogramma&apos;s gedetecteerd</translation>
    </message>
    <message>
        <source>Date calendar program collision detected</source>
        <translation>Overlapping van datumprogramma&apos;s gedetecteerd</translation>
    </message>
    <message>
        <source>Bathtime limit exceeded. Start will be allowed at %1</source>
        <translation>Limiet voor badtijd overschreden. Starten is weer mogelijk om %1</translation>
    </message>
    <message>
        <source>Operation not possible, blocked by not allowed start</source>
        <translation>Handeling niet mogelijk, geblokkeerd door startblokkering</translation>
    </message>
    <message>
        <source>Tank emptying has started, operation is possible when draining is complete</source>
        <translation>Tanklediging gestart. De handeling is mogelijk zodra het legen voltooid is</translation>
    </message>
    <message>
        <source>Perform control/clean of tank</source>
        <translation>Controleer en reinig de tank</translation>
    </message>
    <message>
        <source>Check sauna before next start</source>
        <translation>Controleer de sauna voor de volgende start</translation>
    </message>
    <message>
        <source>Fault, tank emptying has started</source>
        <translation>Storing, tanklediging gestart</translation>
    </message>
    <message>
        <source>Descaling has started, operation not possible</source>
        <translation>Ontkalken gestart, handeling niet mogelijk</translation>
    </message>
    <message>
        <source>Descaling completed</source>
        <translation>Ontkalken voltooid</translation>
    </message>
    <message>
        <source>Water in tank</source>
        <translation>Water in tank</translation>
    </message>
    <message>
        <source>Manual tank emptying should be performed</source>
        <translation>De tank moet handmatig worden geleegd</translation>
    </message>
    <message>
        <source>Standby operation is no longer possible in the system due to tank sensor error</source>
        <translation>Stand-by is niet meer mogelijk in het systeem door een fout in de tanksensor</translation>
    </message>
    <message>
        <source>Has cleanup been performed?</source>
        <translation>Is de reiniging uitgevoerd?</translation>
    </message>
    <message>
        <source>No humidity sensor detected. Steam not allowed.</source>
        <translation>Geen vochtigheidssensor gevonden. Stoom niet toegestaan.</translation>
    </message>
    <message>
        <source>Automatic tank emptying interval has started. Reduced steam.</source>
        <translation>Interval voor automatische tanklediging gestart. Minder stoom.</translation>
    </message>
    <message>
        <source>Automatic tank emptying has started. Operation will resume.</source>
        <translation>Automatische tanklediging gestart. De werking wordt daarna hervat.</translation>
    </message>
    <message>
        <source>Communication with addon card lost.</source>
        <translation>Communicatie met de uitbreidingskaart verbroken.</translation>
    </message>
    <message>
        <source>Room temperature too high. Steam production paused temporarily.</source>
        <translation>Ruimtetemperatuur te hoog. Stoomproductie tijdelijk gepauzeerd.</translation>
    </message>
    <message>
        <source>Not implemented</source>
        <translation>Niet geïmplementeerd</translation>
    </message>
    <message>
        <source>No free %1</source>
        <translation>Geen ruimte voor nieuw %1</translation>
    </message>
    <message>
        <source>No free favorites posts available</source>
        <translation>Geen vrije plaatsen voor favorieten beschikbaar</translation>
    </message>
    <message>
        <source>A favorite post with specified name already exists</source>
        <translation>Er bestaat al een favoriet met deze naam</translation>
    </message>
    <message>
        <source>A favorite post named %1 already exists. Overwrite?</source>
        <translation>Er bestaat al een favoriet met de naam %1. Overschrijven?</translation>
    </message>
    <message>
        <source>Confirm favorite delete?</source>
        <translation>Favoriet verwijderen?</translation>
    </message>
    <message>
        <source>No contact with control board</source>
        <translation>Geen contact met de besturingskaart</translation>
    </message>
    <message>
        <source>Confirm clear calendar</source>
        <translation>Kalender wissen?</translation>
    </message>
    <message>
        <source>Time to ready at less than estimated heating time %1 minutes. Use anyway?</source>
        <translation>De tijd tot het klaartijdstip is korter dan de geschatte opwarmtijd van %1 minuten. Toch gebruiken?</translation>
    </message>
    <message>
        <source>Time to ready at less than heating time %1 minutes estimated from factory settings. Heating time will be calibrated at use. Use anyway?</source>
        <translation>De tijd tot het klaartijdstip is korter dan de opwarmtijd van %1 minuten, geschat op basis van de fabrieksinstellingen. De opwarmtijd wordt tijdens gebruik gekalibreerd. Toch gebruiken?</translation>
    </message>
    <message>
        <source>No door switch magnetic sensor connected</source>
        <translation>Geen magnetisch deurcontact aangesloten</translation>
    </message>
    <message>
        <source>Delayed start program edited from other panel</source>
        <translation>Uitgestelde start gewijzigd vanaf een ander paneel</translation>
    </message>
    <message>
        <source>Weekday calendar program edited from other panel</source>
        <translation>Weekdagprogramma gewijzigd vanaf een ander paneel</translation>
    </message>
    <message>
        <source>Date calendar program edited from other panel</source>
        <translation>Datumprogramma gewijzigd vanaf een ander paneel</translation>
    </message>
    <message>
        <source>No free time gap for new post</source>
        <translation>Geen vrij tijdvak voor een nieuw programma</translation>
    </message>
    <message>
        <source>Favorite post edited from other panel</source>
        <translation>Favoriet gewijzigd vanaf een ander paneel</translation>
    </message>
    <message>
        <source>Calendar programs affected by favorite change: %1</source>
        <translation>Kalenderprogramma&apos;s beïnvloed door wijziging van favoriet: %1</translation>
    </message>
    <message>
        <source>Confirm delete of %1?</source>
        <translation>%1 verwijderen?</translation>
    </message>
    <message>
        <source>Display will turn OFF due to inactivity (display sleep timer)</source>
        <translation>Het display gaat UIT wegens inactiviteit (slaaptimer van het display)</translation>
    </message>
    <message>
        <source>Error switching to new language, old will be kept</source>
        <translation>Fout bij het wisselen van taal. De vorige taal blijft behouden.</translation>
    </message>
    <message>
        <source>Internal software error detected file %1 line %2: %3</source>
        <translation>Interne softwarefout in bestand %1, regel %2: %3</translation>
    </message>
    <message>
        <source>File not found %1</source>
        <translation>Bestand niet gevonden: %1</translation>
    </message>
    <message>
        <source>Key/translation error %1</source>
        <translation>Sleutel-/vertaalfout %1</translation>
    </message>
    <message>
        <source>Sauna pause timer has been reset</source>
        <translation>De pauzetimer van de sauna is gereset</translation>
    </message>
    <message>
        <source>Sauna not allowed start, %2, conflicts with %1. Save anyway?</source>
        <translation>De startblokkering van de sauna, %2, overlapt met %1. Toch opslaan?</translation>
    </message>
    <message>
        <source>Sauna not allowed start, %2, may conflict with %1. Save anyway?</source>
        <translation>De startblokkering van de sauna, %2, kan overlappen met %1. Toch opslaan?</translation>
    </message>
    <message>
        <source>Confirm factory reset?</source>
        <translation>Fabrieksinstellingen herstellen?</translation>
    </message>
    <message>
        <source>PIN code changed</source>
        <translation>Pincode gewijzigd</translation>
    </message>
    <message>
        <source>Date and time are not correct, reenter</source>
        <translation>Datum en tijd zijn onjuist. Voer ze opnieuw in.</translation>
    </message>
    <message>
        <source>Confirm delete of system</source>
        <translation>Systeem verwijderen?</translation>
    </message>
    <message>
        <source>Connected to system %1</source>
        <translation>Verbonden met systeem %1</translation>
    </message>
    <message>
        <source>Connect to system %1 failed, incorrect PIN</source>
        <translation>Verbinding met systeem %1 mislukt: onjuiste pincode</translation>
    </message>
    <message>
        <source>Connect to system %1 failed, compatibility - update PC panel</source>
        <translation>Verbinding met systeem %1 mislukt wegens compatibiliteit. Werk het pc-paneel bij.</translation>
    </message>
    <message>
        <source>Connect to system %1 failed</source>
        <translation>Verbinding met systeem %1 mislukt</translation>
    </message>
    <message>
        <source>Confirm forget of WiFi network %1</source>
        <translation>Wifi-netwerk %1 vergeten?</translation>
    </message>
    <message>
        <source>Favorite name contains unsupported characters: %1</source>
        <translation>De naam van de favoriet bevat niet-ondersteunde tekens: %1</translation>
    </message>
    <message>
        <source>Auxiliary relay name contains unsupported characters: %1</source>
        <translation>De naam van het extra relais bevat niet-ondersteunde tekens: %1</translation>
    </message>
    <message>
        <source>Descaling running</source>
        <translation>Ontkalken bezig</translation>
    </message>
    <message>
        <source>Connection to system %1 lost</source>
        <translation>Verbinding met systeem %1 verbroken</translation>
    </message>
    <message>
        <source>No response from system %1</source>
        <translation>Geen reactie van systeem %1</translation>
    </message>
    <message>
        <source>Retriveing data from system %1</source>
        <translation>Gegevens ophalen van systeem %1</translation>
    </message>
    <message>
        <source>Detecting system on IP adress %1...</source>
        <translation>Systeem zoeken op IP-adres %1...</translation>
    </message>
    <message>
        <source>No system found on IP adress %1</source>
        <translation>Geen systeem gevonden op IP-adres %1</translation>
    </message>
    <message>
        <source>Port %1 used, using fallback announcement</source>
        <translation>Poort %1 in gebruik, alternatieve aankondiging wordt gebruikt</translation>
    </message>
    <message>
        <source>Connected to network %1</source>
        <translation>Verbonden met netwerk %1</translation>
    </message>
    <message>
        <source>Connect to network %1 failed: %2</source>
        <translation>Verbinding met netwerk %1 mislukt: %2</translation>
    </message>
    <message>
        <source>Connect to system %1 failed, no door switch magnetic sensor connected</source>
        <translation>Verbinding met systeem %1 mislukt: geen magnetisch deurcontact aangesloten</translation>
    </message>
    <message>
        <source>Password contains national/special characters which are unlikely to work as WiFi password : %1</source>
        <translation>Het wachtwoord bevat landspecifieke of speciale tekens die waarschijnlijk niet werken in een wifi-wachtwoord: %1</translation>
    </message>
    <message>
        <source>Panel settings reset. The control board and the Wi-Fi settings were not reset. The program closes in 5 seconds.</source>
        <translation>De paneelinstellingen zijn gereset. De besturingskaart en de wifi-instellingen zijn niet gereset. Het programma wordt over 5 seconden afgesloten.</translation>
    </message>
    <message>
        <source>The settings file was damaged and has been repaired; settings on damaged lines may be lost. The damaged file was copied to %1</source>
        <translation>Het instellingenbestand was beschadigd en is hersteld; instellingen op beschadigde regels zijn mogelijk verloren gegaan. Het beschadigde bestand is gekopieerd naar %1</translation>
    </message>
    <message>
        <source>The settings cannot be saved. Changes will not be kept when the program closes.</source>
        <translation>De instellingen kunnen niet worden opgeslagen. Wijzigingen gaan verloren wanneer het programma wordt afgesloten.</translation>
    </message>
    <message>
        <source>Save the changes to favorite %1?</source>
        <translation>Wijzigingen in favoriet %1 opslaan?</translation>
    </message>
    <message>
        <source>System found on IP address %1</source>
        <translation>Systeem gevonden op IP-adres %1</translation>
    </message>
    <message>
        <source>Another system (%1) answered at the address of %2. The panel does not connect to it.</source>
        <translation>Een ander systeem (%1) antwoordde op het adres van systeem %2. Het paneel maakt er geen verbinding mee.</translation>
    </message>
    <message>
        <source>Save the changes to calendar program %1?</source>
        <translation>Wijzigingen in kalenderprogramma %1 opslaan?</translation>
    </message>
    <message>
        <source>The PIN lock is on. The panel unlocks with PIN %1. To set another PIN, use Change PIN.</source>
        <translation>De pincodevergrendeling is ingeschakeld. Het paneel wordt ontgrendeld met pincode %1. Gebruik Pincode wijzigen om een andere pincode in te stellen.</translation>
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
        <translation>é</translation>
    </message>
    <message>
        <source>keyboardRow2Pos0CapsFalseSymbolTrue_</source>
        <translation>€</translation>
    </message>
    <message>
        <source>keyboardRow2Pos0CapsTrue_SymbolFalse</source>
        <translation>É</translation>
    </message>
    <message>
        <source>keyboardRow2Pos0CapsTrue_SymbolTrue_</source>
        <translation>€</translation>
    </message>
    <message>
        <source>keyboardRow2Pos1CapsFalseSymbolFalse</source>
        <translation>ë</translation>
    </message>
    <message>
        <source>keyboardRow2Pos1CapsFalseSymbolTrue_</source>
        <translation>$</translation>
    </message>
    <message>
        <source>keyboardRow2Pos1CapsTrue_SymbolFalse</source>
        <translation>Ë</translation>
    </message>
    <message>
        <source>keyboardRow2Pos1CapsTrue_SymbolTrue_</source>
        <translation>$</translation>
    </message>
    <message>
        <source>keyboardRow2Pos2CapsFalseSymbolFalse</source>
        <translation>è</translation>
    </message>
    <message>
        <source>keyboardRow2Pos2CapsFalseSymbolTrue_</source>
        <translation>£</translation>
    </message>
    <message>
        <source>keyboardRow2Pos2CapsTrue_SymbolFalse</source>
        <translation>È</translation>
    </message>
    <message>
        <source>keyboardRow2Pos2CapsTrue_SymbolTrue_</source>
        <translation>£</translation>
    </message>
    <message>
        <source>keyboardRow2Pos3CapsFalseSymbolFalse</source>
        <translation>ï</translation>
    </message>
    <message>
        <source>keyboardRow2Pos3CapsFalseSymbolTrue_</source>
        <translation>¥</translation>
    </message>
    <message>
        <source>keyboardRow2Pos3CapsTrue_SymbolFalse</source>
        <translation>Ï</translation>
    </message>
    <message>
        <source>keyboardRow2Pos3CapsTrue_SymbolTrue_</source>
        <translation>¥</translation>
    </message>
    <message>
        <source>keyboardRow2Pos4CapsFalseSymbolFalse</source>
        <translation>ö</translation>
    </message>
    <message>
        <source>keyboardRow2Pos4CapsFalseSymbolTrue_</source>
        <translation>°</translation>
    </message>
    <message>
        <source>keyboardRow2Pos4CapsTrue_SymbolFalse</source>
        <translation>Ö</translation>
    </message>
    <message>
        <source>keyboardRow2Pos4CapsTrue_SymbolTrue_</source>
        <translation>°</translation>
    </message>
    <message>
        <source>keyboardRow2Pos5CapsFalseSymbolFalse</source>
        <translation>ü</translation>
    </message>
    <message>
        <source>keyboardRow2Pos5CapsFalseSymbolTrue_</source>
        <translation>§</translation>
    </message>
    <message>
        <source>keyboardRow2Pos5CapsTrue_SymbolFalse</source>
        <translation>Ü</translation>
    </message>
    <message>
        <source>keyboardRow2Pos5CapsTrue_SymbolTrue_</source>
        <translation>§</translation>
    </message>
    <message>
        <source>keyboardRow2Pos6CapsFalseSymbolFalse</source>
        <translation>á</translation>
    </message>
    <message>
        <source>keyboardRow2Pos6CapsFalseSymbolTrue_</source>
        <translation>~</translation>
    </message>
    <message>
        <source>keyboardRow2Pos6CapsTrue_SymbolFalse</source>
        <translation>Á</translation>
    </message>
    <message>
        <source>keyboardRow2Pos6CapsTrue_SymbolTrue_</source>
        <translation>~</translation>
    </message>
    <message>
        <source>keyboardRow2Pos7CapsFalseSymbolFalse</source>
        <translation>-</translation>
    </message>
    <message>
        <source>keyboardRow2Pos7CapsFalseSymbolTrue_</source>
        <translation>|</translation>
    </message>
    <message>
        <source>keyboardRow2Pos7CapsTrue_SymbolFalse</source>
        <translation>-</translation>
    </message>
    <message>
        <source>keyboardRow2Pos7CapsTrue_SymbolTrue_</source>
        <translation>|</translation>
    </message>
    <message>
        <source>keyboardRow2Pos8CapsFalseSymbolFalse</source>
        <translation>.</translation>
    </message>
    <message>
        <source>keyboardRow2Pos8CapsFalseSymbolTrue_</source>
        <translation>\</translation>
    </message>
    <message>
        <source>keyboardRow2Pos8CapsTrue_SymbolFalse</source>
        <translation>.</translation>
    </message>
    <message>
        <source>keyboardRow2Pos8CapsTrue_SymbolTrue_</source>
        <translation>\</translation>
    </message>
    <message>
        <source>keyboardRow2Pos9CapsFalseSymbolFalse</source>
        <translation>,</translation>
    </message>
    <message>
        <source>keyboardRow2Pos9CapsFalseSymbolTrue_</source>
        <translation>^</translation>
    </message>
    <message>
        <source>keyboardRow2Pos9CapsTrue_SymbolFalse</source>
        <translation>,</translation>
    </message>
    <message>
        <source>keyboardRow2Pos9CapsTrue_SymbolTrue_</source>
        <translation>^</translation>
    </message>
    <message>
        <source>keyboardRow2Pos10CapsFalseSymbolFalse</source>
        <translation>'</translation>
    </message>
    <message>
        <source>keyboardRow2Pos10CapsFalseSymbolTrue_</source>
        <translation>´</translation>
    </message>
    <message>
        <source>keyboardRow2Pos10CapsTrue_SymbolFalse</source>
        <translation>'</translation>
    </message>
    <message>
        <source>keyboardRow2Pos10CapsTrue_SymbolTrue_</source>
        <translation>´</translation>
    </message>
    <message>
        <source>keyboardRow2Pos11CapsFalseSymbolFalse</source>
        <translation>!</translation>
    </message>
    <message>
        <source>keyboardRow2Pos11CapsFalseSymbolTrue_</source>
        <translation>¨</translation>
    </message>
    <message>
        <source>keyboardRow2Pos11CapsTrue_SymbolFalse</source>
        <translation>!</translation>
    </message>
    <message>
        <source>keyboardRow2Pos11CapsTrue_SymbolTrue_</source>
        <translation>¨</translation>
    </message>
    <message>
        <source>keyboardRow2Pos12CapsFalseSymbolFalse</source>
        <translation>?</translation>
    </message>
    <message>
        <source>keyboardRow2Pos12CapsFalseSymbolTrue_</source>
        <translation>µ</translation>
    </message>
    <message>
        <source>keyboardRow2Pos12CapsTrue_SymbolFalse</source>
        <translation>?</translation>
    </message>
    <message>
        <source>keyboardRow2Pos12CapsTrue_SymbolTrue_</source>
        <translation>µ</translation>
    </message>
    <message>
        <source>keyboardRow2Pos13CapsFalseSymbolFalse</source>
        <translation>&amp;</translation>
    </message>
    <message>
        <source>keyboardRow2Pos13CapsFalseSymbolTrue_</source>
        <translation>¿</translation>
    </message>
    <message>
        <source>keyboardRow2Pos13CapsTrue_SymbolFalse</source>
        <translation>&amp;</translation>
    </message>
    <message>
        <source>keyboardRow2Pos13CapsTrue_SymbolTrue_</source>
        <translation>¿</translation>
    </message>
    <message>
        <source>keyboardRow2Pos14CapsFalseSymbolFalse</source>
        <translation>(</translation>
    </message>
    <message>
        <source>keyboardRow2Pos14CapsFalseSymbolTrue_</source>
        <translation>¡</translation>
    </message>
    <message>
        <source>keyboardRow2Pos14CapsTrue_SymbolFalse</source>
        <translation>(</translation>
    </message>
    <message>
        <source>keyboardRow2Pos14CapsTrue_SymbolTrue_</source>
        <translation>¡</translation>
    </message>
    <message>
        <source>keyboardRow2Pos15CapsFalseSymbolFalse</source>
        <translation>)</translation>
    </message>
    <message>
        <source>keyboardRow2Pos15CapsFalseSymbolTrue_</source>
        <translation>«</translation>
    </message>
    <message>
        <source>keyboardRow2Pos15CapsTrue_SymbolFalse</source>
        <translation>)</translation>
    </message>
    <message>
        <source>keyboardRow2Pos15CapsTrue_SymbolTrue_</source>
        <translation>«</translation>
    </message>
    <message>
        <source>keyboardRow2Pos16CapsFalseSymbolFalse</source>
        <translation>:</translation>
    </message>
    <message>
        <source>keyboardRow2Pos16CapsFalseSymbolTrue_</source>
        <translation>»</translation>
    </message>
    <message>
        <source>keyboardRow2Pos16CapsTrue_SymbolFalse</source>
        <translation>:</translation>
    </message>
    <message>
        <source>keyboardRow2Pos16CapsTrue_SymbolTrue_</source>
        <translation>»</translation>
    </message>
    <message>
        <source>keyboardRow2Pos17CapsFalseSymbolFalse</source>
        <translation>/</translation>
    </message>
    <message>
        <source>keyboardRow2Pos17CapsFalseSymbolTrue_</source>
        <translation>¤</translation>
    </message>
    <message>
        <source>keyboardRow2Pos17CapsTrue_SymbolFalse</source>
        <translation>/</translation>
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
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Weekstart</source>
        <translation>Begin van de week</translation>
    </message>
    <message>
        <source>Erase calendar</source>
        <translation>Kalender wissen</translation>
    </message>
</context>
<context>
    <name>view::ConfigureDateTimeTimeViewManager</name>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Time format</source>
        <translation>Tijdnotatie</translation>
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
        <translation>Datumnotatie</translation>
    </message>
    <message>
        <source>YY/MM/DD</source>
        <translation>JJ/MM/DD</translation>
    </message>
    <message>
        <source>DD/MM/YY</source>
        <translation>DD/MM/JJ</translation>
    </message>
    <message>
        <source>MM/DD/YY</source>
        <translation>MM/DD/JJ</translation>
    </message>
</context>
<context>
    <name>view::ConfigureDateTimeWeekBeginViewManager</name>
    <message>
        <source>Monday</source>
        <translation>Maandag</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Zondag</translation>
    </message>
</context>
<context>
    <name>view::ConfigureDateTimeEraseCalendarViewManager</name>
    <message>
        <source>Erase calendar</source>
        <translation>Kalender wissen</translation>
    </message>
</context>
<context>
    <name>DateTimeMenuPage</name>
    <message>
        <source>Date and time</source>
        <translation>Datum en tijd</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Weekstart</source>
        <translation>Begin van de week</translation>
    </message>
    <message>
        <source>Erase calendar</source>
        <translation>Kalender wissen</translation>
    </message>
</context>
<context>
    <name>SetTimePage</name>
    <message>
        <source>Set time</source>
        <translation>Tijd instellen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
</context>
<context>
    <name>SetDatePage</name>
    <message>
        <source>Set date</source>
        <translation>Datum instellen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
</context>
<context>
    <name>LanguagePage</name>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
</context>
<context>
    <name>RegionPage</name>
    <message>
        <source>Region</source>
        <translation>Regio</translation>
    </message>
    <message>
        <source>Choosing a region also sets its date format, time format, first day of the week and temperature unit.</source>
        <translation>Met de keuze van een regio worden ook de datumnotatie, tijdnotatie, eerste dag van de week en temperatuureenheid van die regio ingesteld.</translation>
    </message>
</context>
<context>
    <name>UnitsPage</name>
    <message>
        <source>Units</source>
        <translation>Eenheden</translation>
    </message>
</context>
<context>
    <name>view::ConfigureGeneralDisplayViewManager</name>
    <message>
        <source>Never</source>
        <translation>Nooit</translation>
    </message>
    <message>
        <source>15 seconds</source>
        <translation>15 seconden</translation>
    </message>
    <message>
        <source>30 seconds</source>
        <translation>30 seconden</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minuut</translation>
    </message>
    <message>
        <source>2 minutes</source>
        <translation>2 minuten</translation>
    </message>
    <message>
        <source>3 minutes</source>
        <translation>3 minuten</translation>
    </message>
    <message>
        <source>4 minutes</source>
        <translation>4 minuten</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 minuten</translation>
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
        <translation>Noord-Amerika</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Overig</translation>
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
        <translation>Info</translation>
    </message>
</context>
<context>
    <name>IdentifyBoardsPage</name>
    <message>
        <source>Identify RCB</source>
        <translation>Relaiskaart identificeren</translation>
    </message>
    <message>
        <source>Press a button to sound the buzzer of that relay control board.</source>
        <translation>Druk op een knop om de zoemer van de bijbehorende relaiskaart te laten klinken.</translation>
    </message>
</context>
<context>
    <name>LicencePage</name>
    <message>
        <source>License Info</source>
        <translation>Licentie-informatie</translation>
    </message>
</context>
<context>
    <name>LinuxComponentsPage</name>
    <message>
        <source>Libraries of this PC</source>
        <translation>Bibliotheken van deze pc</translation>
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
        <translation>Bibliotheken van deze pc</translation>
    </message>
    <message>
        <source>%1 control panel is designed using open source software components, which are subject to the copyrights of their authors.</source>
        <translation>Het bedieningspaneel %1 is ontwikkeld met opensourcesoftwarecomponenten, waarop het auteursrecht van hun makers van toepassing is.</translation>
    </message>
    <message>
        <source>Component and license info is provided in english only, many licenses provide translations on their respective web site. Select component in the list below to see respective info.</source>
        <translation>Informatie over componenten en licenties is alleen in het Engels beschikbaar; voor veel licenties staan vertalingen op de betreffende website. Selecteer hieronder een component om de bijbehorende informatie te bekijken.</translation>
    </message>
    <message>
        <source>[The rest of the file is not shown.]</source>
        <translation>[De rest van het bestand wordt niet weergegeven.]</translation>
    </message>
    <message>
        <source>This</source>
        <translation>Dit</translation>
    </message>
</context>
<context>
    <name>view::ConfigureGeneralAboutViewManager</name>
    <message>
        <source>License Info</source>
        <translation>Licentie-informatie</translation>
    </message>
    <message>
        <source>Identify RCB</source>
        <translation>Relaiskaart identificeren</translation>
    </message>
    <message>
        <source>PC Control Panel</source>
        <translation>Pc-bedieningspaneel</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Softwareversie</translation>
    </message>
    <message>
        <source>Instance</source>
        <translation>Instantie</translation>
    </message>
    <message>
        <source>Control Panel</source>
        <translation>Bedieningspaneel</translation>
    </message>
    <message>
        <source>Facility Type</source>
        <translation>Type installatie</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Systeem</translation>
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
        <translation>Profiel</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Product</translation>
    </message>
    <message>
        <source>Zerededid version</source>
        <translation>Zerededid-versie</translation>
    </message>
    <message>
        <source>Supervised</source>
        <translation>Onder toezicht</translation>
    </message>
    <message>
        <source>Time Controlled</source>
        <translation>Tijdgestuurd</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Privé</translation>
    </message>
    <message>
        <source>Public</source>
        <translation>Openbaar</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Onbekend</translation>
    </message>
    <message>
        <source> Lite</source>
        <translation> Lite</translation>
    </message>
    <message>
        <source>Relay Control Board</source>
        <translation>Relaiskaart</translation>
    </message>
    <message>
        <source>Temperature and Humidity Sensor</source>
        <translation>Temperatuur- en vochtigheidssensor</translation>
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
    <name>LimitsMenuPage</name>
    <message>
        <source>Limits</source>
        <translation>Limieten</translation>
    </message>
    <message>
        <source>Bath temperature</source>
        <translation>Badtemperatuur</translation>
    </message>
    <message>
        <source>Highest bath temperature a user can set</source>
        <translation>Hoogste badtemperatuur die een gebruiker kan instellen</translation>
    </message>
    <message>
        <source>Water temperature</source>
        <translation>Watertemperatuur</translation>
    </message>
    <message>
        <source>Max water fill time</source>
        <translation>Max. vultijd water</translation>
    </message>
    <message>
        <source>Overheating</source>
        <translation>Oververhitting</translation>
    </message>
    <message>
        <source>Control board</source>
        <translation>Besturingskaart</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Water</translation>
    </message>
</context>
<context>
    <name>LimitEditorPage</name>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
</context>
<context>
    <name>NotAllowedStartPage</name>
    <message>
        <source>Not allowed start</source>
        <translation>Startblokkering</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Van</translation>
    </message>
    <message>
        <source>Until</source>
        <translation>Tot</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
</context>
<context>
    <name>view::ConfigureLimitsViewManager</name>
    <message>
        <source>Bath temperature</source>
        <translation>Badtemperatuur</translation>
    </message>
    <message>
        <source>Overheating</source>
        <translation>Oververhitting</translation>
    </message>
    <message>
        <source>Water temperature</source>
        <translation>Watertemperatuur</translation>
    </message>
    <message>
        <source>Not allowed start</source>
        <translation>Startblokkering</translation>
    </message>
    <message>
        <source>Max water fill time</source>
        <translation>Max. vultijd water</translation>
    </message>
</context>
<context>
    <name>view::ConfigureLimitsNotAllowedStartViewManager</name>
    <message>
        <source>Activate time limit</source>
        <translation>Tijdslimiet activeren</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Van</translation>
    </message>
    <message>
        <source>Until</source>
        <translation>Tot</translation>
    </message>
</context>
<context>
    <name>AdvancedSettingsPage</name>
    <message>
        <source>Advanced settings</source>
        <translation>Geavanceerde instellingen</translation>
    </message>
</context>
<context>
    <name>CleanupPage</name>
    <message>
        <source>Cleanup note</source>
        <translation>Reinigingsmelding</translation>
    </message>
    <message>
        <source>Time interval</source>
        <translation>Tijdsinterval</translation>
    </message>
</context>
<context>
    <name>DurationEditorPage</name>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
</context>
<context>
    <name>ExternalSwitchPage</name>
    <message>
        <source>External switch</source>
        <translation>Externe schakelaar</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Functie</translation>
    </message>
    <message>
        <source>Bath time</source>
        <translation>Badtijd</translation>
    </message>
</context>
<context>
    <name>FanPage</name>
    <message>
        <source>Fan</source>
        <translation>Ventilator</translation>
    </message>
    <message>
        <source>Running Time</source>
        <translation>Looptijd</translation>
    </message>
</context>
<context>
    <name>StandbyPage</name>
    <message>
        <source>Temperature reduction</source>
        <translation>Temperatuurverlaging</translation>
    </message>
    <message>
        <source>Tank standby temperature</source>
        <translation>Stand-bytemperatuur tank</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
</context>
<context>
    <name>TankAutoEmptyingPage</name>
    <message>
        <source>Tank auto emptying</source>
        <translation>Automatische tanklediging</translation>
    </message>
    <message>
        <source>Time interval</source>
        <translation>Tijdsinterval</translation>
    </message>
</context>
<context>
    <name>view::ConfigureAdvancedSettingsExtSwitchViewManager</name>
    <message>
        <source>Bath time</source>
        <translation>Badtijd</translation>
    </message>
    <message>
        <source>Renew bath time</source>
        <translation>Badtijd vernieuwen</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>Aan/uit</translation>
    </message>
    <message>
        <source>h</source>
        <translation>u</translation>
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
        <translation>Looptijd</translation>
    </message>
</context>
<context>
    <name>view::ConfigureAdvancedSettingsStandbyViewManager</name>
    <message>
        <source>Enable</source>
        <translation>Inschakelen</translation>
    </message>
    <message>
        <source>Enable standby</source>
        <translation>Stand-by inschakelen</translation>
    </message>
</context>
<context>
    <name>view::ConfigureAdvancedSettingsViewManager</name>
    <message>
        <source>External switch</source>
        <translation>Externe schakelaar</translation>
    </message>
    <message>
        <source>Fan</source>
        <translation>Ventilator</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemCleanupViewManager</name>
    <message>
        <source>Enable</source>
        <translation>Inschakelen</translation>
    </message>
    <message>
        <source>Time interval</source>
        <translation>Tijdsinterval</translation>
    </message>
    <message>
        <source>Tank Empty Notes</source>
        <translation>Tankmeldingen</translation>
    </message>
    <message>
        <source>Cleanup&apos;s until now: %1</source>
        <translation>Reinigingen tot nu toe: %1</translation>
    </message>
    <message>
        <source>h</source>
        <translation>u</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemTankAutoEmptyingViewManager</name>
    <message>
        <source>Enable</source>
        <translation>Inschakelen</translation>
    </message>
    <message>
        <source>Time interval</source>
        <translation>Tijdsinterval</translation>
    </message>
</context>
<context>
    <name>AuxDescalingPage</name>
    <message>
        <source>Start time</source>
        <translation>Starttijd</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duur</translation>
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
        <translation>Weekdag</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Herhaling</translation>
    </message>
</context>
<context>
    <name>AuxFragrancePage</name>
    <message>
        <source>Pump</source>
        <translation>Pomp</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Pauze</translation>
    </message>
</context>
<context>
    <name>AuxRelayPage</name>
    <message>
        <source>Function</source>
        <translation>Functie</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
</context>
<context>
    <name>AuxRelaysPage</name>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>Fragrance</source>
        <translation>Geur</translation>
    </message>
    <message>
        <source>Descaling</source>
        <translation>Ontkalken</translation>
    </message>
</context>
<context>
    <name>BathPriorityPage</name>
    <message>
        <source>Bath type priority</source>
        <translation>Prioriteit badtype</translation>
    </message>
</context>
<context>
    <name>ErrorLogPage</name>
    <message>
        <source>Error log</source>
        <translation>Foutenlogboek</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wissen</translation>
    </message>
</context>
<context>
    <name>FacilityTypePage</name>
    <message>
        <source>Facility type</source>
        <translation>Type installatie</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
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
    <name>InitialSetup</name>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Regio</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Setup after factory reset, step %1 of %2</source>
        <translation>Instellen na fabrieksreset, stap %1 van %2</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Volgende</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klaar</translation>
    </message>
</context>
<context>
    <name>IpConnectPage</name>
    <message>
        <source>IP detect</source>
        <translation>Zoeken via IP</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-adres</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Poort</translation>
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
    <name>NetworkListPage</name>
    <message>
        <source>Network</source>
        <translation>Netwerk</translation>
    </message>
    <message>
        <source>Sauna systems</source>
        <translation>Saunasystemen</translation>
    </message>
</context>
<context>
    <name>PauseTimerPage</name>
    <message>
        <source>Pause timer</source>
        <translation>Pauzetimer</translation>
    </message>
</context>
<context>
    <name>PinEditorPage</name>
    <message>
        <source>Enter PIN</source>
        <translation>Pincode invoeren</translation>
    </message>
    <message>
        <source>PIN of the sauna system</source>
        <translation>Pincode van het saunasysteem</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
</context>
<context>
    <name>SaunaDetailsPage</name>
    <message>
        <source>System details</source>
        <translation>Systeemdetails</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
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
    <name>SystemMenuPage</name>
    <message>
        <source>System</source>
        <translation>Systeem</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemAuxDescalingViewManager</name>
    <message>
        <source>Enable</source>
        <translation>Inschakelen</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Starttijd</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duur</translation>
    </message>
    <message>
        <source>Dosage</source>
        <translation>Dosering</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>Weekdag</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Laatst</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Herhaling</translation>
    </message>
    <message>
        <source>Every week</source>
        <translation>Elke week</translation>
    </message>
    <message>
        <source>Every 2nd week</source>
        <translation>Om de week</translation>
    </message>
    <message>
        <source>Every 3rd week</source>
        <translation>Om de 3 weken</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Elke maand</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemAuxFragranceViewManager</name>
    <message>
        <source>Pump</source>
        <translation>Pomp</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Pauze</translation>
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
        <translation>u</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemAuxViewManager</name>
    <message>
        <source>Not in use</source>
        <translation>Niet in gebruik</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>Aan/uit</translation>
    </message>
    <message>
        <source>Fragrance</source>
        <translation>Geur</translation>
    </message>
    <message>
        <source>Descaling</source>
        <translation>Ontkalken</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemBathPriorityViewManager</name>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatuur</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Vochtigheid</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemFacilityTypeViewManager</name>
    <message>
        <source>Private</source>
        <translation>Privé</translation>
    </message>
    <message>
        <source>Public</source>
        <translation>Openbaar</translation>
    </message>
    <message>
        <source>Time controlled</source>
        <translation>Tijdgestuurd</translation>
    </message>
    <message>
        <source>Supervised</source>
        <translation>Onder toezicht</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemFactoryResetViewManager</name>
    <message>
        <source>Reset</source>
        <translation>Herstellen</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemFilterViewManager</name>
    <message>
        <source>Filter temperature</source>
        <translation>Temperatuur filteren</translation>
    </message>
    <message>
        <source>Filter humidity</source>
        <translation>Vochtigheid filteren</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemHapticFeedbackViewManager</name>
    <message>
        <source>Vibration</source>
        <translation>Trillen</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemIrViewManager</name>
    <message>
        <source>Enable</source>
        <translation>Inschakelen</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemNetworkViewManager</name>
    <message>
        <source>IP detect</source>
        <translation>Zoeken via IP</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Systeem</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>onbekend</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-adres</translation>
    </message>
    <message>
        <source>Last announcement</source>
        <translation>Laatste aankondiging</translation>
    </message>
    <message>
        <source>none</source>
        <translation>geen</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Enter PIN</source>
        <translation>Pincode invoeren</translation>
    </message>
    <message>
        <source>Detect</source>
        <translation>Zoeken</translation>
    </message>
    <message>
        <source>The PIN must be 1 to 4 digits</source>
        <translation>De pincode moet uit 1 tot 4 cijfers bestaan</translation>
    </message>
    <message>
        <source>Invalid IP address</source>
        <translation>Ongeldig IP-adres</translation>
    </message>
    <message>
        <source>Invalid port</source>
        <translation>Ongeldige poort</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemPauseTimerViewManager</name>
    <message>
        <source>Reset pause timer</source>
        <translation>Pauzetimer resetten</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemRelayViewManager</name>
    <message>
        <source>Regulator</source>
        <translation>Regelaar</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>Aan/uit</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Gesplitst</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemStatusViewManager</name>
    <message>
        <source>PCB relays:</source>
        <translation>Relais op printplaat:</translation>
    </message>
    <message>
        <source>Clean-ups: %1</source>
        <translation>Reinigingen: %1</translation>
    </message>
    <message>
        <source>Room temperature: %1%2</source>
        <translation>Ruimtetemperatuur: %1%2</translation>
    </message>
    <message>
        <source>Room humidity: %1%2</source>
        <translation>Ruimtevochtigheid: %1%2</translation>
    </message>
    <message>
        <source>Magnetic contact: %1</source>
        <translation>Magneetcontact: %1</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Aangesloten</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Niet aangesloten</translation>
    </message>
    <message>
        <source>primary</source>
        <translation>primair</translation>
    </message>
    <message>
        <source>secondary</source>
        <translation>secundair</translation>
    </message>
    <message>
        <source>Water temperature%1: %2%3</source>
        <translation>Watertemperatuur%1: %2%3</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Laag</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>Midden</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoog</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Onbekend</translation>
    </message>
    <message>
        <source>Water level</source>
        <translation>Waterniveau</translation>
    </message>
    <message>
        <source>Smart Start Heat Ratio: %1%2</source>
        <translation>Smart Start-opwarmsnelheid: %1%2</translation>
    </message>
    <message>
        <source>/min</source>
        <translation>/min</translation>
    </message>
    <message>
        <source>Total runtime: %1%2</source>
        <translation>Totale bedrijfstijd: %1%2</translation>
    </message>
    <message>
        <source>h</source>
        <translation>u</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemViewManager</name>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Netwerk</translation>
    </message>
    <message>
        <source>Cleanup note</source>
        <translation>Reinigingsmelding</translation>
    </message>
    <message>
        <source>Tank auto emptying</source>
        <translation>Automatische tanklediging</translation>
    </message>
    <message>
        <source>Bath type priority</source>
        <translation>Prioriteit badtype</translation>
    </message>
    <message>
        <source>Pause timer</source>
        <translation>Pauzetimer</translation>
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
        <translation>Foutenlogboek</translation>
    </message>
    <message>
        <source>Facility type</source>
        <translation>Type installatie</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemWiFiViewManager</name>
    <message>
        <source>Enable</source>
        <translation>Inschakelen</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Netwerk</translation>
    </message>
    <message>
        <source>External Units</source>
        <translation>Externe apparaten</translation>
    </message>
    <message>
        <source>WiFi Networks</source>
        <translation>Wifi-netwerken</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Zoeken</translation>
    </message>
    <message>
        <source>No IP address found</source>
        <translation>Geen IP-adres gevonden</translation>
    </message>
    <message>
        <source>IP address: %1</source>
        <translation>IP-adres: %1</translation>
    </message>
    <message>
        <source>IP addresses</source>
        <translation>IP-adressen</translation>
    </message>
    <message>
        <source>Identity</source>
        <translation>Identiteit</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Wachtwoord</translation>
    </message>
</context>
</TS>
