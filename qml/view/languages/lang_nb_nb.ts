<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO" sourcelanguage="en_GB">
<context>
    <name>CalendarPage</name>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Uke</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Datoer</translation>
    </message>
    <message>
        <source>Queue</source>
        <translation>Kø</translation>
    </message>
    <message>
        <source>Date program</source>
        <translation>Datoprogram</translation>
    </message>
    <message>
        <source>Weekly program</source>
        <translation>Ukeprogram</translation>
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
        <translation>Favoritt</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Gi nytt navn</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Fuktighet</translation>
    </message>
    <message>
        <source>Edit bath time</source>
        <translation>Rediger badetid</translation>
    </message>
    <message>
        <source>Bath time</source>
        <translation>Badetid</translation>
    </message>
    <message>
        <source>Set bath time</source>
        <translation>Still inn badetid</translation>
    </message>
    <message>
        <source>Lights</source>
        <translation>Lys</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slett</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Lagre</translation>
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
        <translation>Favoritter</translation>
    </message>
    <message>
        <source>Save current settings as favorite</source>
        <translation>Lagre gjeldende innstillinger som favoritt</translation>
    </message>
</context>
<context>
    <name>GeneralMenuPage</name>
    <message>
        <source>General</source>
        <translation>Generelt</translation>
    </message>
</context>
<context>
    <name>GenericListView</name>
    <message>
        <source>Nothing to show</source>
        <translation>Ingenting å vise</translation>
    </message>
</context>
<context>
    <name>HeaterSettingsPage</name>
    <message>
        <source>Heater settings</source>
        <translation>Ovnsinnstillinger</translation>
    </message>
    <message>
        <source>Bath time</source>
        <translation>Badetid</translation>
    </message>
    <message>
        <source>Save bath time</source>
        <translation>Lagre badetid</translation>
    </message>
    <message>
        <source>Fan</source>
        <translation>Vifte</translation>
    </message>
    <message>
        <source>Fan running</source>
        <translation>Viften går</translation>
    </message>
    <message>
        <source>Automatic fan</source>
        <translation>Automatisk vifte</translation>
    </message>
    <message>
        <source>Runs with the heater</source>
        <translation>Går sammen med ovnen</translation>
    </message>
    <message>
        <source>Auxiliary relays</source>
        <translation>Ekstra reléer</translation>
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
        <translation>Lys</translation>
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
        <translation>Ønsket temperatur</translation>
    </message>
    <message>
        <source>Target humidity</source>
        <translation>Ønsket fuktighet</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Lås opp</translation>
    </message>
</context>
<context>
    <name>MainControlPage</name>
    <message>
        <source>Humidity %1</source>
        <translation>Fuktighet %1</translation>
    </message>
    <message>
        <source>Humidity --</source>
        <translation>Fuktighet --</translation>
    </message>
    <message>
        <source>Target temperature</source>
        <translation>Ønsket temperatur</translation>
    </message>
    <message>
        <source>Target humidity</source>
        <translation>Ønsket fuktighet</translation>
    </message>
    <message>
        <source>Bath time</source>
        <translation>Badetid</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Gjenstående tid</translation>
    </message>
    <message>
        <source>Fan</source>
        <translation>Vifte</translation>
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
        <translation>Ingen badstue er tilkoblet. Koble til en under Innstillinger → Nettverk.</translation>
    </message>
</context>
<context>
    <name>OnScreenKeyboard</name>
    <message>
        <source>At most %1 characters</source>
        <translation>Høyst %1 tegn</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Mellomrom</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Lagre</translation>
    </message>
</context>
<context>
    <name>PinChangePage</name>
    <message>
        <source>Wrong PIN</source>
        <translation>Feil PIN-kode</translation>
    </message>
    <message>
        <source>Invalid PIN</source>
        <translation>Ugyldig PIN-kode</translation>
    </message>
    <message>
        <source>The PINs do not match</source>
        <translation>PIN-kodene er ikke like</translation>
    </message>
    <message>
        <source>Change PIN</source>
        <translation>Endre PIN-kode</translation>
    </message>
    <message>
        <source>Enter current PIN</source>
        <translation>Angi nåværende PIN-kode</translation>
    </message>
    <message>
        <source>Enter new PIN</source>
        <translation>Angi ny PIN-kode</translation>
    </message>
    <message>
        <source>Confirm new PIN</source>
        <translation>Bekreft ny PIN-kode</translation>
    </message>
</context>
<context>
    <name>PinEntryPage</name>
    <message>
        <source>Enter PIN</source>
        <translation>Angi PIN-kode</translation>
    </message>
    <message>
        <source>Wrong PIN</source>
        <translation>Feil PIN-kode</translation>
    </message>
</context>
<context>
    <name>PinSettingsPage</name>
    <message>
        <source>PIN</source>
        <translation>PIN-kode</translation>
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
        <translation>Still inn klartid</translation>
    </message>
    <message>
        <source>Custom settings</source>
        <translation>Egne innstillinger</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Fuktighet</translation>
    </message>
    <message>
        <source>Stop after</source>
        <translation>Stopp etter</translation>
    </message>
    <message>
        <source>Set stop time</source>
        <translation>Still inn stopptid</translation>
    </message>
    <message>
        <source>Use custom settings</source>
        <translation>Bruk egne innstillinger</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slett</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Lagre</translation>
    </message>
    <message>
        <source>Start at</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Innstillinger</translation>
    </message>
    <message>
        <source>Set start time</source>
        <translation>Still inn starttid</translation>
    </message>
    <message>
        <source>Set temperature</source>
        <translation>Still inn temperatur</translation>
    </message>
    <message>
        <source>Set humidity</source>
        <translation>Still inn fuktighet</translation>
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
        <translation>Nettbrett</translation>
    </message>
    <message>
        <source>Home Automation</source>
        <translation>Smarthus</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Annet</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Ukjent</translation>
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
        <translation>Damp privat</translation>
    </message>
    <message>
        <source>Steam private auto</source>
        <translation>Damp privat auto</translation>
    </message>
    <message>
        <source>Steam public</source>
        <translation>Damp offentlig</translation>
    </message>
    <message>
        <source>Steam public/private Manual Empty</source>
        <translation>Damp offentlig/privat, manuell tømming</translation>
    </message>
    <message>
        <source>Sauna box addon</source>
        <translation>Badstue tilleggsboks</translation>
    </message>
    <message>
        <source>Sauna</source>
        <translation>Badstue</translation>
    </message>
    <message>
        <source>Sauna Low</source>
        <translation>Badstue lav</translation>
    </message>
    <message>
        <source>Sauna IR</source>
        <translation>IR-badstue</translation>
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
        <translation>Udefinert</translation>
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
        <translation>K9 (uten wifi)</translation>
    </message>
    <message>
        <source>Vertex (no Wifi)</source>
        <translation>Vertex (uten wifi)</translation>
    </message>
    <message>
        <source>Fell</source>
        <translation>Fell</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Mandag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Tirsdag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Onsdag</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Torsdag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Fredag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Lørdag</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Søndag</translation>
    </message>
    <message>
        <source>plural_Mondays</source>
        <translation>Mandager</translation>
    </message>
    <message>
        <source>plural_Tuesdays</source>
        <translation>Tirsdager</translation>
    </message>
    <message>
        <source>plural_Wednesdays</source>
        <translation>Onsdager</translation>
    </message>
    <message>
        <source>plural_Thursdays</source>
        <translation>Torsdager</translation>
    </message>
    <message>
        <source>plural_Fridays</source>
        <translation>Fredager</translation>
    </message>
    <message>
        <source>plural_Saturdays</source>
        <translation>Lørdager</translation>
    </message>
    <message>
        <source>plural_Sundays</source>
        <translation>Søndager</translation>
    </message>
    <message>
        <source>long_form_January</source>
        <translation>Januar</translation>
    </message>
    <message>
        <source>long_form_February</source>
        <translation>Februar</translation>
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
        <translation>Mai</translation>
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
        <translation>August</translation>
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
        <translation>Desember</translation>
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
        <translation>mai</translation>
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
        <translation>des</translation>
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
        <translation>Udefinert relé</translation>
    </message>
    <message>
        <source>Aux %1</source>
        <translation>Ekstra %1</translation>
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
        <translation>Nei</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Feil</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Av/på</translation>
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
        <translation>Fuktighet</translation>
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
        <translation>Innstillinger</translation>
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
        <translation>Stopp etter</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Tilpasset</translation>
    </message>
    <message>
        <source>Favorite</source>
        <translation>Favoritt</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>I dag</translation>
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
        <translation>Gjeldende innstillinger</translation>
    </message>
    <message>
        <source>Delayed start</source>
        <translation>Forsinket start</translation>
    </message>
    <message>
        <source>delayed start</source>
        <translation>forsinket start</translation>
    </message>
    <message>
        <source>date calendar program</source>
        <translation>datoprogram</translation>
    </message>
    <message>
        <source>weekday calendar program</source>
        <translation>ukedagsprogram</translation>
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
        <translation>Standardnettverk</translation>
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
        <translation>Ukjent meldings-ID %1 (0x%2)</translation>
    </message>
    <message>
        <source>Primary</source>
        <translation>Primær</translation>
    </message>
    <message>
        <source>Secondary</source>
        <translation>Sekundær</translation>
    </message>
    <message>
        <source>Descaling</source>
        <translation>Avkalking</translation>
    </message>
    <message>
        <source>Auto connect</source>
        <translation>Koble til automatisk</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Koble til</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Koble fra</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Oppdater</translation>
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
        <translation>Oppvarming</translation>
    </message>
    <message>
        <source>Drying</source>
        <translation>Tørking</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>Standby</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <translation>Rengjøring</translation>
    </message>
    <message>
        <source>Descaling</source>
        <translation>Avkalking</translation>
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
        <translation>Grenser</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generelt</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Dato og tid</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <translation>Avanserte innstillinger</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Nettverk</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Innstillinger</translation>
    </message>
</context>
<context>
    <name>TemperatureDial</name>
    <message>
        <source>Room</source>
        <translation>Rom</translation>
    </message>
    <message>
        <source>Target %1</source>
        <translation>Ønsket %1</translation>
    </message>
</context>
<context>
    <name>WeekProgramsPage</name>
    <message>
        <source>Weekly programs active</source>
        <translation>Ukeprogrammer aktive</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Name of the favorite</source>
        <translation>Favorittens navn</translation>
    </message>
    <message>
        <source>Name of the relay</source>
        <translation>Reléets navn</translation>
    </message>
    <message>
        <source>Sauna</source>
        <translation>Badstue</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoritter</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Innstillinger</translation>
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
        <translation>Starter…</translation>
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
        <translation>%1 - %2 (tilkobling brutt)</translation>
    </message>
</context>
<context>
    <name>view::ConfigureGeneralPinViewManager</name>
    <message>
        <source>Activate PIN</source>
        <translation>Aktiver PIN-kode</translation>
    </message>
    <message>
        <source>Change PIN</source>
        <translation>Endre PIN-kode</translation>
    </message>
    <message>
        <source>Controls on lockscreen</source>
        <translation>Kontroller på låseskjermen</translation>
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
        <translation>PIN-kode</translation>
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
        <translation>Ingen feil</translation>
    </message>
    <message>
        <source>Room temperature sensor not connected or malfunctioning</source>
        <translation>Romtemperaturføleren er ikke tilkoblet eller er defekt</translation>
    </message>
    <message>
        <source>Steam tank temperature sensor not connected or malfunctioning</source>
        <translation>Temperaturføleren i damptanken er ikke tilkoblet eller er defekt</translation>
    </message>
    <message>
        <source>Relay Control Box PCB has overheated</source>
        <translation>Relékortet er overopphetet</translation>
    </message>
    <message>
        <source>Electrode short circuit</source>
        <translation>Kortslutning i elektrodene</translation>
    </message>
    <message>
        <source>Steamtank overfill. Level electrodes malfunction.</source>
        <translation>Damptanken er overfylt. Feil på nivåelektrodene.</translation>
    </message>
    <message>
        <source>Contact lost with Zerededid node of node profile Control Panel Home</source>
        <translation>Mistet kontakten med Zerededid-noden med nodeprofilen Kontrollpanel Home</translation>
    </message>
    <message>
        <source>Contact lost with Zerededid node of node profile Temperature/Humidity Sensor</source>
        <translation>Mistet kontakten med Zerededid-noden med nodeprofilen Temperatur-/fuktighetsføler</translation>
    </message>
    <message>
        <source>Steam tank has overheated</source>
        <translation>Damptanken er overopphetet</translation>
    </message>
    <message>
        <source>Real-time clock (RTC) communication failure</source>
        <translation>Kommunikasjonsfeil med sanntidsklokken (RTC)</translation>
    </message>
    <message>
        <source>Communication with addon card lost.</source>
        <translation>Kommunikasjonen med tilleggskortet er brutt.</translation>
    </message>
    <message>
        <source>Emptying of water in steam tank failure. Turn off power and do service.</source>
        <translation>Tømming av vannet i damptanken mislyktes. Slå av strømmen og utfør service.</translation>
    </message>
    <message>
        <source>Level electrodes steam tank out of service, interruption mid</source>
        <translation>Nivåelektrodene i damptanken er ute av drift, brudd på midtre nivå</translation>
    </message>
    <message>
        <source>Zerededid connected humidity sensor malfunctioning</source>
        <translation>Fuktighetsføleren tilkoblet via Zerededid er defekt</translation>
    </message>
    <message>
        <source>Zerededid connected temperature sensor malfunctioning</source>
        <translation>Temperaturføleren tilkoblet via Zerededid er defekt</translation>
    </message>
    <message>
        <source>Contact lost with Zerededid node of node profile Relay Control Board</source>
        <translation>Mistet kontakten med Zerededid-noden med nodeprofilen Relékort</translation>
    </message>
    <message>
        <source>High temperature limit control have trip out, must be reset</source>
        <translation>Overtemperaturbegrenseren har løst ut og må tilbakestilles</translation>
    </message>
    <message>
        <source>Room temperature sensor overheated</source>
        <translation>Romtemperaturføleren er overopphetet</translation>
    </message>
    <message>
        <source>Too many units connected</source>
        <translation>For mange enheter er tilkoblet</translation>
    </message>
    <message>
        <source>The door has been open for more than the allowed time. Ongoing bath cancelled.</source>
        <translation>Døren har stått åpen lenger enn tillatt. Pågående bad er avbrutt.</translation>
    </message>
    <message>
        <source>Magnetic contact open more than 60 seconds since last bath</source>
        <translation>Magnetkontakten har vært åpen i mer enn 60 sekunder siden forrige bad</translation>
    </message>
</context>
<context>
    <name>view::details::UserMessageFunctions</name>
    <message>
        <source>Weekday calendar program collision detected</source>
        <translation>Ukedagsprogrammer overlapper hverandre</translation>
    </message>
    <message>
        <source>Date calendar program collision detected</source>
        <translation>Datoprogrammer overlapper hverandre</translation>
    </message>
    <message>
        <source>Bathtime limit exceeded. Start will be allowed at %1</source>
        <translation>Grensen for badetid er overskredet. Start blir tillatt kl. %1</translation>
    </message>
    <message>
        <source>Operation not possible, blocked by not allowed start</source>
        <translation>Handlingen er ikke mulig, den er blokkert av startsperren</translation>
    </message>
    <message>
        <source>Tank emptying has started, operation is possible when draining is complete</source>
        <translation>Tanktømming har startet. Handlingen blir mulig når tømmingen er fullført</translation>
    </message>
    <message>
        <source>Perform control/clean of tank</source>
        <translation>Kontroller og rengjør tanken</translation>
    </message>
    <message>
        <source>Check sauna before next start</source>
        <translation>Kontroller badstuen før neste start</translation>
    </message>
    <message>
        <source>Fault, tank emptying has started</source>
        <translation>Feil, tanktømming har startet</translation>
    </message>
    <message>
        <source>Descaling has started, operation not possible</source>
        <translation>Avkalking har startet, handlingen er ikke mulig</translation>
    </message>
    <message>
        <source>Descaling completed</source>
        <translation>Avkalkingen er fullført</translation>
    </message>
    <message>
        <source>Water in tank</source>
        <translation>Vann i tanken</translation>
    </message>
    <message>
        <source>Manual tank emptying should be performed</source>
        <translation>Tanken bør tømmes manuelt</translation>
    </message>
    <message>
        <source>Standby operation is no longer possible in the system due to tank sensor error</source>
        <translation>Standby er ikke lenger mulig i systemet på grunn av feil på tankføleren</translation>
    </message>
    <message>
        <source>Has cleanup been performed?</source>
        <translation>Er rengjøringen utført?</translation>
    </message>
    <message>
        <source>No humidity sensor detected. Steam not allowed.</source>
        <translation>Ingen fuktighetsføler funnet. Damp er ikke tillatt.</translation>
    </message>
    <message>
        <source>Automatic tank emptying interval has started. Reduced steam.</source>
        <translation>Intervallet for automatisk tanktømming har startet. Redusert damp.</translation>
    </message>
    <message>
        <source>Automatic tank emptying has started. Operation will resume.</source>
        <translation>Automatisk tanktømming har startet. Driften fortsetter etterpå.</translation>
    </message>
    <message>
        <source>Communication with addon card lost.</source>
        <translation>Kommunikasjonen med tilleggskortet er brutt.</translation>
    </message>
    <message>
        <source>Room temperature too high. Steam production paused temporarily.</source>
        <translation>Romtemperaturen er for høy. Dampproduksjonen er midlertidig stanset.</translation>
    </message>
    <message>
        <source>Not implemented</source>
        <translation>Ikke implementert</translation>
    </message>
    <message>
        <source>No free %1</source>
        <translation>Ingen ledig plass for nytt %1</translation>
    </message>
    <message>
        <source>No free favorites posts available</source>
        <translation>Ingen ledige favorittplasser</translation>
    </message>
    <message>
        <source>A favorite post with specified name already exists</source>
        <translation>Det finnes allerede en favoritt med dette navnet</translation>
    </message>
    <message>
        <source>A favorite post named %1 already exists. Overwrite?</source>
        <translation>Det finnes allerede en favoritt med navnet %1. Vil du overskrive den?</translation>
    </message>
    <message>
        <source>Confirm favorite delete?</source>
        <translation>Vil du slette favoritten?</translation>
    </message>
    <message>
        <source>No contact with control board</source>
        <translation>Ingen kontakt med kontrollkortet</translation>
    </message>
    <message>
        <source>Confirm clear calendar</source>
        <translation>Vil du tømme kalenderen?</translation>
    </message>
    <message>
        <source>Time to ready at less than estimated heating time %1 minutes. Use anyway?</source>
        <translation>Tiden til badstuen skal være klar, er kortere enn den estimerte oppvarmingstiden på %1 minutter. Vil du bruke den likevel?</translation>
    </message>
    <message>
        <source>Time to ready at less than heating time %1 minutes estimated from factory settings. Heating time will be calibrated at use. Use anyway?</source>
        <translation>Tiden til badstuen skal være klar, er kortere enn oppvarmingstiden på %1 minutter som er estimert ut fra fabrikkinnstillingene. Oppvarmingstiden kalibreres under bruk. Vil du bruke den likevel?</translation>
    </message>
    <message>
        <source>No door switch magnetic sensor connected</source>
        <translation>Ingen magnetisk dørbryter er tilkoblet</translation>
    </message>
    <message>
        <source>Delayed start program edited from other panel</source>
        <translation>Forsinket start er endret fra et annet panel</translation>
    </message>
    <message>
        <source>Weekday calendar program edited from other panel</source>
        <translation>Ukedagsprogrammet er endret fra et annet panel</translation>
    </message>
    <message>
        <source>Date calendar program edited from other panel</source>
        <translation>Datoprogrammet er endret fra et annet panel</translation>
    </message>
    <message>
        <source>No free time gap for new post</source>
        <translation>Ingen ledig tidsluke for et nytt program</translation>
    </message>
    <message>
        <source>Favorite post edited from other panel</source>
        <translation>Favoritten er endret fra et annet panel</translation>
    </message>
    <message>
        <source>Calendar programs affected by favorite change: %1</source>
        <translation>Kalenderprogrammer berørt av endringen av favoritten: %1</translation>
    </message>
    <message>
        <source>Confirm delete of %1?</source>
        <translation>Vil du slette %1?</translation>
    </message>
    <message>
        <source>Display will turn OFF due to inactivity (display sleep timer)</source>
        <translation>Skjermen slås AV på grunn av inaktivitet (tidsavbrudd for skjerm)</translation>
    </message>
    <message>
        <source>Error switching to new language, old will be kept</source>
        <translation>Feil ved bytte av språk. Det forrige språket beholdes.</translation>
    </message>
    <message>
        <source>Internal software error detected file %1 line %2: %3</source>
        <translation>Intern programvarefeil oppdaget i fil %1, linje %2: %3</translation>
    </message>
    <message>
        <source>File not found %1</source>
        <translation>Finner ikke filen %1</translation>
    </message>
    <message>
        <source>Key/translation error %1</source>
        <translation>Nøkkel-/oversettelsesfeil %1</translation>
    </message>
    <message>
        <source>Sauna pause timer has been reset</source>
        <translation>Pausetimeren for badstuen er tilbakestilt</translation>
    </message>
    <message>
        <source>Sauna not allowed start, %2, conflicts with %1. Save anyway?</source>
        <translation>Startsperren for badstuen, %2, er i konflikt med %1. Vil du lagre likevel?</translation>
    </message>
    <message>
        <source>Sauna not allowed start, %2, may conflict with %1. Save anyway?</source>
        <translation>Startsperren for badstuen, %2, kan komme i konflikt med %1. Vil du lagre likevel?</translation>
    </message>
    <message>
        <source>Confirm factory reset?</source>
        <translation>Vil du tilbakestille til fabrikkinnstillingene?</translation>
    </message>
    <message>
        <source>PIN code changed</source>
        <translation>PIN-koden er endret</translation>
    </message>
    <message>
        <source>Date and time are not correct, reenter</source>
        <translation>Dato og tid er ikke riktig. Angi dem på nytt.</translation>
    </message>
    <message>
        <source>Confirm delete of system</source>
        <translation>Vil du slette systemet?</translation>
    </message>
    <message>
        <source>Connected to system %1</source>
        <translation>Koblet til systemet %1</translation>
    </message>
    <message>
        <source>Connect to system %1 failed, incorrect PIN</source>
        <translation>Tilkoblingen til systemet %1 mislyktes: feil PIN-kode</translation>
    </message>
    <message>
        <source>Connect to system %1 failed, compatibility - update PC panel</source>
        <translation>Tilkoblingen til systemet %1 mislyktes på grunn av kompatibilitet. Oppdater PC-panelet.</translation>
    </message>
    <message>
        <source>Connect to system %1 failed</source>
        <translation>Tilkoblingen til systemet %1 mislyktes</translation>
    </message>
    <message>
        <source>Confirm forget of WiFi network %1</source>
        <translation>Vil du glemme wifi-nettverket %1?</translation>
    </message>
    <message>
        <source>Favorite name contains unsupported characters: %1</source>
        <translation>Favorittnavnet inneholder tegn som ikke støttes: %1</translation>
    </message>
    <message>
        <source>Auxiliary relay name contains unsupported characters: %1</source>
        <translation>Navnet på det ekstra reléet inneholder tegn som ikke støttes: %1</translation>
    </message>
    <message>
        <source>Descaling running</source>
        <translation>Avkalking pågår</translation>
    </message>
    <message>
        <source>Connection to system %1 lost</source>
        <translation>Forbindelsen til systemet %1 er brutt</translation>
    </message>
    <message>
        <source>No response from system %1</source>
        <translation>Ingen svar fra systemet %1</translation>
    </message>
    <message>
        <source>Retriveing data from system %1</source>
        <translation>Henter data fra systemet %1</translation>
    </message>
    <message>
        <source>Detecting system on IP adress %1...</source>
        <translation>Søker etter system på IP-adressen %1...</translation>
    </message>
    <message>
        <source>No system found on IP adress %1</source>
        <translation>Fant ikke noe system på IP-adressen %1</translation>
    </message>
    <message>
        <source>Port %1 used, using fallback announcement</source>
        <translation>Port %1 er i bruk, bruker reservekunngjøring</translation>
    </message>
    <message>
        <source>Connected to network %1</source>
        <translation>Koblet til nettverket %1</translation>
    </message>
    <message>
        <source>Connect to network %1 failed: %2</source>
        <translation>Tilkoblingen til nettverket %1 mislyktes: %2</translation>
    </message>
    <message>
        <source>Connect to system %1 failed, no door switch magnetic sensor connected</source>
        <translation>Tilkoblingen til systemet %1 mislyktes: ingen magnetisk dørbryter er tilkoblet</translation>
    </message>
    <message>
        <source>Password contains national/special characters which are unlikely to work as WiFi password : %1</source>
        <translation>Passordet inneholder nasjonale tegn eller spesialtegn som trolig ikke fungerer i et wifi-passord: %1</translation>
    </message>
    <message>
        <source>Panel settings reset. The control board and the Wi-Fi settings were not reset. The program closes in 5 seconds.</source>
        <translation>Panelinnstillingene er tilbakestilt. Kontrollkortet og wifi-innstillingene ble ikke tilbakestilt. Programmet lukkes om 5 sekunder.</translation>
    </message>
    <message>
        <source>The settings file was damaged and has been repaired; settings on damaged lines may be lost. The damaged file was copied to %1</source>
        <translation>Innstillingsfilen var skadet og er reparert; innstillinger på skadede linjer kan ha gått tapt. Den skadede filen ble kopiert til %1</translation>
    </message>
    <message>
        <source>The settings cannot be saved. Changes will not be kept when the program closes.</source>
        <translation>Innstillingene kan ikke lagres. Endringer beholdes ikke når programmet lukkes.</translation>
    </message>
    <message>
        <source>Save the changes to favorite %1?</source>
        <translation>Vil du lagre endringene i favoritten %1?</translation>
    </message>
    <message>
        <source>System found on IP address %1</source>
        <translation>Fant et system på IP-adressen %1</translation>
    </message>
    <message>
        <source>Another system (%1) answered at the address of %2. The panel does not connect to it.</source>
        <translation>Et annet system (%1) svarte på adressen til systemet %2. Panelet kobler seg ikke til det.</translation>
    </message>
    <message>
        <source>Save the changes to calendar program %1?</source>
        <translation>Vil du lagre endringene i kalenderprogrammet %1?</translation>
    </message>
    <message>
        <source>The PIN lock is on. The panel unlocks with PIN %1. To set another PIN, use Change PIN.</source>
        <translation>PIN-låsen er slått på. Panelet låses opp med PIN-koden %1. Velg Endre PIN-kode for å angi en annen PIN-kode.</translation>
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
        <translation>ø</translation>
    </message>
    <message>
        <source>keyboardRow2Pos1CapsFalseSymbolTrue_</source>
        <translation>$</translation>
    </message>
    <message>
        <source>keyboardRow2Pos1CapsTrue_SymbolFalse</source>
        <translation>Ø</translation>
    </message>
    <message>
        <source>keyboardRow2Pos1CapsTrue_SymbolTrue_</source>
        <translation>$</translation>
    </message>
    <message>
        <source>keyboardRow2Pos2CapsFalseSymbolFalse</source>
        <translation>æ</translation>
    </message>
    <message>
        <source>keyboardRow2Pos2CapsFalseSymbolTrue_</source>
        <translation>£</translation>
    </message>
    <message>
        <source>keyboardRow2Pos2CapsTrue_SymbolFalse</source>
        <translation>Æ</translation>
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
    <name>view::ConfigureDateTimeViewManager</name>
    <message>
        <source>Time</source>
        <translation>Tid</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Dato</translation>
    </message>
    <message>
        <source>Weekstart</source>
        <translation>Første ukedag</translation>
    </message>
    <message>
        <source>Erase calendar</source>
        <translation>Slett kalender</translation>
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
        <translation>Dato</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Datoformat</translation>
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
        <translation>Mandag</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Søndag</translation>
    </message>
</context>
<context>
    <name>view::ConfigureDateTimeEraseCalendarViewManager</name>
    <message>
        <source>Erase calendar</source>
        <translation>Slett kalender</translation>
    </message>
</context>
<context>
    <name>DateTimeMenuPage</name>
    <message>
        <source>Date and time</source>
        <translation>Dato og tid</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tid</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Dato</translation>
    </message>
    <message>
        <source>Weekstart</source>
        <translation>Første ukedag</translation>
    </message>
    <message>
        <source>Erase calendar</source>
        <translation>Slett kalender</translation>
    </message>
</context>
<context>
    <name>SetTimePage</name>
    <message>
        <source>Set time</source>
        <translation>Still inn tid</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Lagre</translation>
    </message>
</context>
<context>
    <name>SetDatePage</name>
    <message>
        <source>Set date</source>
        <translation>Still inn dato</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Lagre</translation>
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
        <translation>Lagre</translation>
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
        <translation>Når du velger en region, angis også regionens datoformat, tidsformat, første ukedag og temperaturenhet.</translation>
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
        <translation>Aldri</translation>
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
        <translation>1 minutt</translation>
    </message>
    <message>
        <source>2 minutes</source>
        <translation>2 minutter</translation>
    </message>
    <message>
        <source>3 minutes</source>
        <translation>3 minutter</translation>
    </message>
    <message>
        <source>4 minutes</source>
        <translation>4 minutter</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 minutter</translation>
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
        <translation>Nord-Amerika</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Annen</translation>
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
        <translation>Identifiser relékort</translation>
    </message>
    <message>
        <source>Press a button to sound the buzzer of that relay control board.</source>
        <translation>Trykk på en knapp for å få summeren på det tilhørende relékortet til å lyde.</translation>
    </message>
</context>
<context>
    <name>LicencePage</name>
    <message>
        <source>License Info</source>
        <translation>Lisensinformasjon</translation>
    </message>
</context>
<context>
    <name>LinuxComponentsPage</name>
    <message>
        <source>Libraries of this PC</source>
        <translation>Biblioteker på denne PC-en</translation>
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
        <translation>Biblioteker på denne PC-en</translation>
    </message>
    <message>
        <source>%1 control panel is designed using open source software components, which are subject to the copyrights of their authors.</source>
        <translation>Kontrollpanelet %1 er utviklet med programvarekomponenter med åpen kildekode, som er underlagt opphavsretten til sine respektive forfattere.</translation>
    </message>
    <message>
        <source>Component and license info is provided in english only, many licenses provide translations on their respective web site. Select component in the list below to see respective info.</source>
        <translation>Informasjon om komponenter og lisenser finnes bare på engelsk. Mange lisenser har oversettelser på sine respektive nettsteder. Velg en komponent i listen nedenfor for å se informasjonen om den.</translation>
    </message>
    <message>
        <source>[The rest of the file is not shown.]</source>
        <translation>[Resten av filen vises ikke.]</translation>
    </message>
    <message>
        <source>This</source>
        <translation>Dette</translation>
    </message>
</context>
<context>
    <name>view::ConfigureGeneralAboutViewManager</name>
    <message>
        <source>License Info</source>
        <translation>Lisensinformasjon</translation>
    </message>
    <message>
        <source>Identify RCB</source>
        <translation>Identifiser relékort</translation>
    </message>
    <message>
        <source>PC Control Panel</source>
        <translation>PC-kontrollpanel</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Programvareversjon</translation>
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
        <translation>Anleggstype</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Programvare</translation>
    </message>
    <message>
        <source>Node</source>
        <translation>Node</translation>
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
        <translation>Zerededid-versjon</translation>
    </message>
    <message>
        <source>Supervised</source>
        <translation>Overvåket</translation>
    </message>
    <message>
        <source>Time Controlled</source>
        <translation>Tidsstyrt</translation>
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
        <translation>Ukjent</translation>
    </message>
    <message>
        <source> Lite</source>
        <translation> Lite</translation>
    </message>
    <message>
        <source>Relay Control Board</source>
        <translation>Relékort</translation>
    </message>
    <message>
        <source>Temperature and Humidity Sensor</source>
        <translation>Temperatur- og fuktighetsføler</translation>
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
        <translation>Grenser</translation>
    </message>
    <message>
        <source>Bath temperature</source>
        <translation>Badetemperatur</translation>
    </message>
    <message>
        <source>Highest bath temperature a user can set</source>
        <translation>Høyeste badetemperatur en bruker kan stille inn</translation>
    </message>
    <message>
        <source>Water temperature</source>
        <translation>Vanntemperatur</translation>
    </message>
    <message>
        <source>Max water fill time</source>
        <translation>Maks. fylletid for vann</translation>
    </message>
    <message>
        <source>Overheating</source>
        <translation>Overoppheting</translation>
    </message>
    <message>
        <source>Control board</source>
        <translation>Kontrollkort</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Vann</translation>
    </message>
</context>
<context>
    <name>LimitEditorPage</name>
    <message>
        <source>Save</source>
        <translation>Lagre</translation>
    </message>
</context>
<context>
    <name>NotAllowedStartPage</name>
    <message>
        <source>Not allowed start</source>
        <translation>Startsperre</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Fra</translation>
    </message>
    <message>
        <source>Until</source>
        <translation>Til</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Lagre</translation>
    </message>
</context>
<context>
    <name>view::ConfigureLimitsViewManager</name>
    <message>
        <source>Bath temperature</source>
        <translation>Badetemperatur</translation>
    </message>
    <message>
        <source>Overheating</source>
        <translation>Overoppheting</translation>
    </message>
    <message>
        <source>Water temperature</source>
        <translation>Vanntemperatur</translation>
    </message>
    <message>
        <source>Not allowed start</source>
        <translation>Startsperre</translation>
    </message>
    <message>
        <source>Max water fill time</source>
        <translation>Maks. fylletid for vann</translation>
    </message>
</context>
<context>
    <name>view::ConfigureLimitsNotAllowedStartViewManager</name>
    <message>
        <source>Activate time limit</source>
        <translation>Aktiver tidsbegrensning</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Fra</translation>
    </message>
    <message>
        <source>Until</source>
        <translation>Til</translation>
    </message>
</context>
<context>
    <name>AdvancedSettingsPage</name>
    <message>
        <source>Advanced settings</source>
        <translation>Avanserte innstillinger</translation>
    </message>
</context>
<context>
    <name>CleanupPage</name>
    <message>
        <source>Cleanup note</source>
        <translation>Rengjøringsvarsel</translation>
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
        <translation>Lagre</translation>
    </message>
</context>
<context>
    <name>ExternalSwitchPage</name>
    <message>
        <source>External switch</source>
        <translation>Ekstern bryter</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Funksjon</translation>
    </message>
    <message>
        <source>Bath time</source>
        <translation>Badetid</translation>
    </message>
</context>
<context>
    <name>FanPage</name>
    <message>
        <source>Fan</source>
        <translation>Vifte</translation>
    </message>
    <message>
        <source>Running Time</source>
        <translation>Driftstid</translation>
    </message>
</context>
<context>
    <name>StandbyPage</name>
    <message>
        <source>Temperature reduction</source>
        <translation>Temperatursenking</translation>
    </message>
    <message>
        <source>Tank standby temperature</source>
        <translation>Standbytemperatur for tank</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Lagre</translation>
    </message>
</context>
<context>
    <name>TankAutoEmptyingPage</name>
    <message>
        <source>Tank auto emptying</source>
        <translation>Automatisk tanktømming</translation>
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
        <translation>Badetid</translation>
    </message>
    <message>
        <source>Renew bath time</source>
        <translation>Forny badetid</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>Av/på</translation>
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
        <translation>Driftstid</translation>
    </message>
</context>
<context>
    <name>view::ConfigureAdvancedSettingsStandbyViewManager</name>
    <message>
        <source>Enable</source>
        <translation>Aktiver</translation>
    </message>
    <message>
        <source>Enable standby</source>
        <translation>Aktiver standby</translation>
    </message>
</context>
<context>
    <name>view::ConfigureAdvancedSettingsViewManager</name>
    <message>
        <source>External switch</source>
        <translation>Ekstern bryter</translation>
    </message>
    <message>
        <source>Fan</source>
        <translation>Vifte</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemCleanupViewManager</name>
    <message>
        <source>Enable</source>
        <translation>Aktiver</translation>
    </message>
    <message>
        <source>Time interval</source>
        <translation>Tidsintervall</translation>
    </message>
    <message>
        <source>Tank Empty Notes</source>
        <translation>Tankvarsler</translation>
    </message>
    <message>
        <source>Cleanup&apos;s until now: %1</source>
        <translation>Rengjøringer hittil: %1</translation>
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
        <translation>Aktiver</translation>
    </message>
    <message>
        <source>Time interval</source>
        <translation>Tidsintervall</translation>
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
        <translation>Varighet</translation>
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
        <translation>Ukedag</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Gjentakelse</translation>
    </message>
</context>
<context>
    <name>AuxFragrancePage</name>
    <message>
        <source>Pump</source>
        <translation>Pumpe</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Pause</translation>
    </message>
</context>
<context>
    <name>AuxRelayPage</name>
    <message>
        <source>Function</source>
        <translation>Funksjon</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
    </message>
</context>
<context>
    <name>AuxRelaysPage</name>
    <message>
        <source>Options</source>
        <translation>Tilvalg</translation>
    </message>
    <message>
        <source>Fragrance</source>
        <translation>Duft</translation>
    </message>
    <message>
        <source>Descaling</source>
        <translation>Avkalking</translation>
    </message>
</context>
<context>
    <name>BathPriorityPage</name>
    <message>
        <source>Bath type priority</source>
        <translation>Prioritet for badetype</translation>
    </message>
</context>
<context>
    <name>ErrorLogPage</name>
    <message>
        <source>Error log</source>
        <translation>Feillogg</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Tøm</translation>
    </message>
</context>
<context>
    <name>FacilityTypePage</name>
    <message>
        <source>Facility type</source>
        <translation>Anleggstype</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Lagre</translation>
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
        <translation>Dato</translation>
    </message>
    <message>
        <source>Setup after factory reset, step %1 of %2</source>
        <translation>Oppsett etter tilbakestilling til fabrikkinnstillinger, trinn %1 av %2</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Neste</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Ferdig</translation>
    </message>
</context>
<context>
    <name>IpConnectPage</name>
    <message>
        <source>IP detect</source>
        <translation>Søk via IP</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-adresse</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
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
        <translation>Nettverk</translation>
    </message>
    <message>
        <source>Sauna systems</source>
        <translation>Badstuesystemer</translation>
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
    <name>PinEditorPage</name>
    <message>
        <source>Enter PIN</source>
        <translation>Angi PIN-kode</translation>
    </message>
    <message>
        <source>PIN of the sauna system</source>
        <translation>PIN-kode for badstuesystemet</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Lagre</translation>
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
        <translation>Slett</translation>
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
        <translation>System</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemAuxDescalingViewManager</name>
    <message>
        <source>Enable</source>
        <translation>Aktiver</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Starttid</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Varighet</translation>
    </message>
    <message>
        <source>Dosage</source>
        <translation>Dosering</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>Ukedag</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Sist</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Gjentakelse</translation>
    </message>
    <message>
        <source>Every week</source>
        <translation>Hver uke</translation>
    </message>
    <message>
        <source>Every 2nd week</source>
        <translation>Annenhver uke</translation>
    </message>
    <message>
        <source>Every 3rd week</source>
        <translation>Hver 3. uke</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Hver måned</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemAuxFragranceViewManager</name>
    <message>
        <source>Pump</source>
        <translation>Pumpe</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Pause</translation>
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
        <translation>Ikke i bruk</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>Av/på</translation>
    </message>
    <message>
        <source>Fragrance</source>
        <translation>Duft</translation>
    </message>
    <message>
        <source>Descaling</source>
        <translation>Avkalking</translation>
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
        <translation>Fuktighet</translation>
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
        <translation>Tidsstyrt</translation>
    </message>
    <message>
        <source>Supervised</source>
        <translation>Overvåket</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemFactoryResetViewManager</name>
    <message>
        <source>Reset</source>
        <translation>Tilbakestill</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemFilterViewManager</name>
    <message>
        <source>Filter temperature</source>
        <translation>Filtrer temperatur</translation>
    </message>
    <message>
        <source>Filter humidity</source>
        <translation>Filtrer fuktighet</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemHapticFeedbackViewManager</name>
    <message>
        <source>Vibration</source>
        <translation>Vibrasjon</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemIrViewManager</name>
    <message>
        <source>Enable</source>
        <translation>Aktiver</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemNetworkViewManager</name>
    <message>
        <source>IP detect</source>
        <translation>Søk via IP</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>ukjent</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-adresse</translation>
    </message>
    <message>
        <source>Last announcement</source>
        <translation>Siste kunngjøring</translation>
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
        <translation>Angi PIN-kode</translation>
    </message>
    <message>
        <source>Detect</source>
        <translation>Søk</translation>
    </message>
    <message>
        <source>The PIN must be 1 to 4 digits</source>
        <translation>PIN-koden må ha 1 til 4 sifre</translation>
    </message>
    <message>
        <source>Invalid IP address</source>
        <translation>Ugyldig IP-adresse</translation>
    </message>
    <message>
        <source>Invalid port</source>
        <translation>Ugyldig port</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemPauseTimerViewManager</name>
    <message>
        <source>Reset pause timer</source>
        <translation>Tilbakestill pausetimer</translation>
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
        <translation>Av/på</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Delt</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemStatusViewManager</name>
    <message>
        <source>PCB relays:</source>
        <translation>Reléer på kretskortet:</translation>
    </message>
    <message>
        <source>Clean-ups: %1</source>
        <translation>Rengjøringer: %1</translation>
    </message>
    <message>
        <source>Room temperature: %1%2</source>
        <translation>Romtemperatur: %1%2</translation>
    </message>
    <message>
        <source>Room humidity: %1%2</source>
        <translation>Romfuktighet: %1%2</translation>
    </message>
    <message>
        <source>Magnetic contact: %1</source>
        <translation>Magnetkontakt: %1</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Tilkoblet</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Ikke tilkoblet</translation>
    </message>
    <message>
        <source>primary</source>
        <translation>primær</translation>
    </message>
    <message>
        <source>secondary</source>
        <translation>sekundær</translation>
    </message>
    <message>
        <source>Water temperature%1: %2%3</source>
        <translation>Vanntemperatur%1: %2%3</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Lav</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>Middels</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Høy</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Ukjent</translation>
    </message>
    <message>
        <source>Water level</source>
        <translation>Vannivå</translation>
    </message>
    <message>
        <source>Smart Start Heat Ratio: %1%2</source>
        <translation>Smart Start-oppvarmingsrate: %1%2</translation>
    </message>
    <message>
        <source>/min</source>
        <translation>/min</translation>
    </message>
    <message>
        <source>Total runtime: %1%2</source>
        <translation>Total driftstid: %1%2</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemViewManager</name>
    <message>
        <source>Options</source>
        <translation>Tilvalg</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Nettverk</translation>
    </message>
    <message>
        <source>Cleanup note</source>
        <translation>Rengjøringsvarsel</translation>
    </message>
    <message>
        <source>Tank auto emptying</source>
        <translation>Automatisk tanktømming</translation>
    </message>
    <message>
        <source>Bath type priority</source>
        <translation>Prioritet for badetype</translation>
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
        <translation>Feillogg</translation>
    </message>
    <message>
        <source>Facility type</source>
        <translation>Anleggstype</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemWiFiViewManager</name>
    <message>
        <source>Enable</source>
        <translation>Aktiver</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Nettverk</translation>
    </message>
    <message>
        <source>External Units</source>
        <translation>Eksterne enheter</translation>
    </message>
    <message>
        <source>WiFi Networks</source>
        <translation>Wifi-nettverk</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Søk</translation>
    </message>
    <message>
        <source>No IP address found</source>
        <translation>Ingen IP-adresse funnet</translation>
    </message>
    <message>
        <source>IP address: %1</source>
        <translation>IP-adresse: %1</translation>
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
        <translation>Passord</translation>
    </message>
</context>
</TS>
