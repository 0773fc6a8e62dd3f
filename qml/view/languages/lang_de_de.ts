<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_GB">
<context>
    <name>CalendarPage</name>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Woche</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Termine</translation>
    </message>
    <message>
        <source>Queue</source>
        <translation>Geplant</translation>
    </message>
    <message>
        <source>Date program</source>
        <translation>Datumsprogramm</translation>
    </message>
    <message>
        <source>Weekly program</source>
        <translation>Wochenprogramm</translation>
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
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Luftfeuchtigkeit</translation>
    </message>
    <message>
        <source>Edit bath time</source>
        <translation>Badezeit bearbeiten</translation>
    </message>
    <message>
        <source>Bath time</source>
        <translation>Badezeit</translation>
    </message>
    <message>
        <source>Set bath time</source>
        <translation>Badezeit einstellen</translation>
    </message>
    <message>
        <source>Lights</source>
        <translation>Licht</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Sichern</translation>
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
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>Save current settings as favorite</source>
        <translation>Als Favorit speichern</translation>
    </message>
</context>
<context>
    <name>GeneralMenuPage</name>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
</context>
<context>
    <name>GenericListView</name>
    <message>
        <source>Nothing to show</source>
        <translation>Keine Einträge</translation>
    </message>
</context>
<context>
    <name>HeaterSettingsPage</name>
    <message>
        <source>Heater settings</source>
        <translation>Ofeneinstellungen</translation>
    </message>
    <message>
        <source>Bath time</source>
        <translation>Badezeit</translation>
    </message>
    <message>
        <source>Save bath time</source>
        <translation>Badezeit speichern</translation>
    </message>
    <message>
        <source>Fan</source>
        <translation>Lüfter</translation>
    </message>
    <message>
        <source>Fan running</source>
        <translation>Lüfter läuft</translation>
    </message>
    <message>
        <source>Automatic fan</source>
        <translation>Automatischer Lüfter</translation>
    </message>
    <message>
        <source>Runs with the heater</source>
        <translation>Läuft mit dem Ofen</translation>
    </message>
    <message>
        <source>Auxiliary relays</source>
        <translation>Zusatzrelais</translation>
    </message>
</context>
<context>
    <name>HumidityStepper</name>
    <message>
        <source>level</source>
        <translation>Stufe</translation>
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
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
</context>
<context>
    <name>LockedControlPage</name>
    <message>
        <source>Target temperature</source>
        <translation>Solltemperatur</translation>
    </message>
    <message>
        <source>Target humidity</source>
        <translation>Sollfeuchte</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Entsperren</translation>
    </message>
</context>
<context>
    <name>MainControlPage</name>
    <message>
        <source>Humidity %1</source>
        <translation>Luftfeuchtigkeit %1</translation>
    </message>
    <message>
        <source>Humidity --</source>
        <translation>Luftfeuchtigkeit --</translation>
    </message>
    <message>
        <source>Target temperature</source>
        <translation>Solltemperatur</translation>
    </message>
    <message>
        <source>Target humidity</source>
        <translation>Sollfeuchte</translation>
    </message>
    <message>
        <source>Bath time</source>
        <translation>Badezeit</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Restzeit</translation>
    </message>
    <message>
        <source>Fan</source>
        <translation>Lüfter</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
</context>
<context>
    <name>NotConnectedNotice</name>
    <message>
        <source>No sauna is connected. Connect one in Settings → Network.</source>
        <translation>Keine Sauna verbunden. Verbinden Sie eine unter Setup → Netzwerk.</translation>
    </message>
</context>
<context>
    <name>OnScreenKeyboard</name>
    <message>
        <source>At most %1 characters</source>
        <translation>Höchstens %1 Zeichen</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leerzeichen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
</context>
<context>
    <name>PinChangePage</name>
    <message>
        <source>Wrong PIN</source>
        <translation>Falscher PIN-Code</translation>
    </message>
    <message>
        <source>Invalid PIN</source>
        <translation>Ungültiger PIN-Code</translation>
    </message>
    <message>
        <source>The PINs do not match</source>
        <translation>Die PIN-Codes stimmen nicht überein</translation>
    </message>
    <message>
        <source>Change PIN</source>
        <translation>PIN-Code ändern</translation>
    </message>
    <message>
        <source>Enter current PIN</source>
        <translation>Aktuellen PIN-Code eingeben</translation>
    </message>
    <message>
        <source>Enter new PIN</source>
        <translation>Neuen PIN-Code eingeben</translation>
    </message>
    <message>
        <source>Confirm new PIN</source>
        <translation>Neuen PIN-Code bestätigen</translation>
    </message>
</context>
<context>
    <name>PinEntryPage</name>
    <message>
        <source>Enter PIN</source>
        <translation>PIN-Code eingeben</translation>
    </message>
    <message>
        <source>Wrong PIN</source>
        <translation>Falscher PIN-Code</translation>
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
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Set ready time</source>
        <translation>Uhrzeit für „Bereit“ einstellen</translation>
    </message>
    <message>
        <source>Custom settings</source>
        <translation>Eigene Einstellungen</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Luftfeuchtigkeit</translation>
    </message>
    <message>
        <source>Stop after</source>
        <translation>Stopp nach</translation>
    </message>
    <message>
        <source>Set stop time</source>
        <translation>Stoppzeit einstellen</translation>
    </message>
    <message>
        <source>Use custom settings</source>
        <translation>Eigene Einstellungen verwenden</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Sichern</translation>
    </message>
    <message>
        <source>Start at</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Set start time</source>
        <translation>Startzeit einstellen</translation>
    </message>
    <message>
        <source>Set temperature</source>
        <translation>Temperatur einstellen</translation>
    </message>
    <message>
        <source>Set humidity</source>
        <translation>Luftfeuchtigkeit einstellen</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>PC Panel</source>
        <translation>PC-Bedienfeld</translation>
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
        <translation>Hausautomation</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
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
        <translation>Kombi automatisch</translation>
    </message>
    <message>
        <source>Steam private</source>
        <translation>Dampf privat</translation>
    </message>
    <message>
        <source>Steam private auto</source>
        <translation>Dampf privat automatisch</translation>
    </message>
    <message>
        <source>Steam public</source>
        <translation>Dampf öffentlich</translation>
    </message>
    <message>
        <source>Steam public/private Manual Empty</source>
        <translation>Dampf öffentlich/privat, manuelle Entleerung</translation>
    </message>
    <message>
        <source>Sauna box addon</source>
        <translation>Sauna-Zusatzmodul</translation>
    </message>
    <message>
        <source>Sauna</source>
        <translation>Sauna</translation>
    </message>
    <message>
        <source>Sauna Low</source>
        <translation>Sauna niedrig</translation>
    </message>
    <message>
        <source>Sauna IR</source>
        <translation>Infrarotsauna</translation>
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
        <translation>Undefiniert</translation>
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
        <translation>K9 (ohne WLAN)</translation>
    </message>
    <message>
        <source>Vertex (no Wifi)</source>
        <translation>Vertex (ohne WLAN)</translation>
    </message>
    <message>
        <source>Fell</source>
        <translation>Fell</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>plural_Mondays</source>
        <translation>Montags</translation>
    </message>
    <message>
        <source>plural_Tuesdays</source>
        <translation>Dienstags</translation>
    </message>
    <message>
        <source>plural_Wednesdays</source>
        <translation>Mittwochs</translation>
    </message>
    <message>
        <source>plural_Thursdays</source>
        <translation>Donnerstags</translation>
    </message>
    <message>
        <source>plural_Fridays</source>
        <translation>Freitags</translation>
    </message>
    <message>
        <source>plural_Saturdays</source>
        <translation>Samstags</translation>
    </message>
    <message>
        <source>plural_Sundays</source>
        <translation>Sonntags</translation>
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
        <translation>März</translation>
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
        <translation>Dezember</translation>
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
        <translation>Mär</translation>
    </message>
    <message>
        <source>short_form_April</source>
        <translation>Apr</translation>
    </message>
    <message>
        <source>short_form_May</source>
        <translation>Mai</translation>
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
        <translation>Okt</translation>
    </message>
    <message>
        <source>short_form_November</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>short_form_December</source>
        <translation>Dez</translation>
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
        <translation>Undefiniertes Relais</translation>
    </message>
    <message>
        <source>Aux %1</source>
        <translation>Zusatz %1</translation>
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
        <translation>Nein</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Ein/Aus</translation>
    </message>
    <message>
        <source>Lighting</source>
        <translation>Beleuchtung</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Luftfeuchtigkeit</translation>
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
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Ready at</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Start at</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop after</source>
        <translation>Stopp nach</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>Favorite</source>
        <translation>Favorit</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
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
        <translation>Warmstart</translation>
    </message>
    <message>
        <source>Current Settings</source>
        <translation>Aktuelle Einstellungen</translation>
    </message>
    <message>
        <source>Delayed start</source>
        <translation>Verzögerter Start</translation>
    </message>
    <message>
        <source>delayed start</source>
        <translation>verzögerter Start</translation>
    </message>
    <message>
        <source>date calendar program</source>
        <translation>Datumsprogramm</translation>
    </message>
    <message>
        <source>weekday calendar program</source>
        <translation>Wochentagsprogramm</translation>
    </message>
    <message>
        <source>ml</source>
        <translation>ml</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Standard network</source>
        <translation>Standardnetzwerk</translation>
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
        <translation>Unbekannte Benutzermeldungs-ID %1 (0x%2)</translation>
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
        <translation>Entkalkung</translation>
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
        <translation>Trennen</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
</context>
<context>
    <name>SaunaStatus</name>
    <message>
        <source>level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Heating</source>
        <translation>Heizen</translation>
    </message>
    <message>
        <source>Drying</source>
        <translation>Trocknen</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>Standby</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <translation>Reinigung</translation>
    </message>
    <message>
        <source>Descaling</source>
        <translation>Entkalkung</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
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
        <translation>Grenzwerte</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Datum und Uhrzeit</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <translation>Erweiterte Einstellungen</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Netzwerk</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
</context>
<context>
    <name>TemperatureDial</name>
    <message>
        <source>Room</source>
        <translation>Raum</translation>
    </message>
    <message>
        <source>Target %1</source>
        <translation>Soll %1</translation>
    </message>
</context>
<context>
    <name>WeekProgramsPage</name>
    <message>
        <source>Weekly programs active</source>
        <translation>Wochenprogramme aktiv</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Name of the favorite</source>
        <translation>Name des Favoriten</translation>
    </message>
    <message>
        <source>Name of the relay</source>
        <translation>Name des Relais</translation>
    </message>
    <message>
        <source>Sauna</source>
        <translation>Sauna</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Setup</translation>
    </message>
</context>
<context>
    <name>main_startup_screen</name>
    <message>
        <source>PC Control Panel</source>
        <translation>PC-Bedienfeld</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Wird gestartet…</translation>
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
        <translation>%1 - %2 (Verbindung verloren)</translation>
    </message>
</context>
<context>
    <name>view::ConfigureGeneralPinViewManager</name>
    <message>
        <source>Activate PIN</source>
        <translation>PIN-Code aktivieren</translation>
    </message>
    <message>
        <source>Change PIN</source>
        <translation>PIN-Code ändern</translation>
    </message>
    <message>
        <source>Controls on lockscreen</source>
        <translation>Bedienelemente auf dem Sperrbildschirm</translation>
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
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Einheiten</translation>
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
        <translation>Kein Fehler</translation>
    </message>
    <message>
        <source>Room temperature sensor not connected or malfunctioning</source>
        <translation>Raumtemperaturfühler nicht angeschlossen oder defekt</translation>
    </message>
    <message>
        <source>Steam tank temperature sensor not connected or malfunctioning</source>
        <translation>Temperaturfühler des Dampftanks nicht angeschlossen oder defekt</translation>
    </message>
    <message>
        <source>Relay Control Box PCB has overheated</source>
        <translation>Relaisplatine ist überhitzt</translation>
    </message>
    <message>
        <source>Electrode short circuit</source>
        <translation>Kurzschluss an den Elektroden</translation>
    </message>
    <message>
        <source>Steamtank overfill. Level electrodes malfunction.</source>
        <translation>Dampftank überfüllt. Niveauelektroden defekt.</translation>
    </message>
    <message>
        <source>Contact lost with Zerededid node of node profile Control Panel Home</source>
        <translation>Verbindung zum Zerededid-Knoten mit Knotenprofil Bedienfeld Home verloren</translation>
    </message>
    <message>
        <source>Contact lost with Zerededid node of node profile Temperature/Humidity Sensor</source>
        <translation>Verbindung zum Zerededid-Knoten mit Knotenprofil Temperatur-/Feuchtefühler verloren</translation>
    </message>
    <message>
        <source>Steam tank has overheated</source>
        <translation>Dampftank ist überhitzt</translation>
    </message>
    <message>
        <source>Real-time clock (RTC) communication failure</source>
        <translation>Kommunikationsfehler der Echtzeituhr (RTC)</translation>
    </message>
    <message>
        <source>Communication with addon card lost.</source>
        <translation>Verbindung zur Zusatzkarte verloren.</translation>
    </message>
    <message>
        <source>Emptying of water in steam tank failure. Turn off power and do service.</source>
        <translation>Entleerung des Dampftanks fehlgeschlagen. Strom abschalten und Wartung durchführen.</translation>
    </message>
    <message>
        <source>Level electrodes steam tank out of service, interruption mid</source>
        <translation>Niveauelektroden des Dampftanks außer Betrieb, Unterbrechung Mitte</translation>
    </message>
    <message>
        <source>Zerededid connected humidity sensor malfunctioning</source>
        <translation>Über Zerededid angeschlossener Feuchtefühler defekt</translation>
    </message>
    <message>
        <source>Zerededid connected temperature sensor malfunctioning</source>
        <translation>Über Zerededid angeschlossener Temperaturfühler defekt</translation>
    </message>
    <message>
        <source>Contact lost with Zerededid node of node profile Relay Control Board</source>
        <translation>Verbindung zum Zerededid-Knoten mit Knotenprofil Relaisplatine verloren</translation>
    </message>
    <message>
        <source>High temperature limit control have trip out, must be reset</source>
        <translation>Übertemperaturbegrenzer hat ausgelöst und muss zurückgesetzt werden</translation>
    </message>
    <message>
        <source>Room temperature sensor overheated</source>
        <translation>Raumtemperaturfühler überhitzt</translation>
    </message>
    <message>
        <source>Too many units connected</source>
        <translation>Zu viele Geräte angeschlossen</translation>
    </message>
    <message>
        <source>The door has been open for more than the allowed time. Ongoing bath cancelled.</source>
        <translation>Die Tür war länger als erlaubt geöffnet. Laufendes Bad abgebrochen.</translation>
    </message>
    <message>
        <source>Magnetic contact open more than 60 seconds since last bath</source>
        <translation>Magnetkontakt seit dem letzten Bad länger als 60 Sekunden offen</translation>
    </message>
</context>
<context>
    <name>view::details::UserMessageFunctions</name>
    <message>
        <source>Weekday calendar program collision detected</source>
        <translation>Überschneidung von Wochentagsprogrammen erkannt</translation>
    </message>
    <message>
        <source>Date calendar program collision detected</source>
        <translation>Überschneidung von Datumsprogrammen erkannt</translation>
    </message>
    <message>
        <source>Bathtime limit exceeded. Start will be allowed at %1</source>
        <translation>Badezeitgrenze überschritten. Start wieder möglich um %1</translation>
    </message>
    <message>
        <source>Operation not possible, blocked by not allowed start</source>
        <translation>Vorgang nicht möglich, durch Startsperre blockiert</translation>
    </message>
    <message>
        <source>Tank emptying has started, operation is possible when draining is complete</source>
        <translation>Tankentleerung gestartet, Vorgang nach Abschluss der Entleerung möglich</translation>
    </message>
    <message>
        <source>Perform control/clean of tank</source>
        <translation>Tank kontrollieren und reinigen</translation>
    </message>
    <message>
        <source>Check sauna before next start</source>
        <translation>Sauna vor dem nächsten Start prüfen</translation>
    </message>
    <message>
        <source>Fault, tank emptying has started</source>
        <translation>Störung, Tankentleerung gestartet</translation>
    </message>
    <message>
        <source>Descaling has started, operation not possible</source>
        <translation>Entkalkung gestartet, Vorgang nicht möglich</translation>
    </message>
    <message>
        <source>Descaling completed</source>
        <translation>Entkalkung abgeschlossen</translation>
    </message>
    <message>
        <source>Water in tank</source>
        <translation>Wasser im Tank</translation>
    </message>
    <message>
        <source>Manual tank emptying should be performed</source>
        <translation>Tank sollte manuell entleert werden</translation>
    </message>
    <message>
        <source>Standby operation is no longer possible in the system due to tank sensor error</source>
        <translation>Standby-Betrieb wegen Fehler des Tankfühlers nicht mehr möglich</translation>
    </message>
    <message>
        <source>Has cleanup been performed?</source>
        <translation>Wurde die Reinigung durchgeführt?</translation>
    </message>
    <message>
        <source>No humidity sensor detected. Steam not allowed.</source>
        <translation>Kein Feuchtefühler erkannt. Dampf nicht zulässig.</translation>
    </message>
    <message>
        <source>Automatic tank emptying interval has started. Reduced steam.</source>
        <translation>Intervall der automatischen Tankentleerung gestartet. Reduzierte Dampfleistung.</translation>
    </message>
    <message>
        <source>Automatic tank emptying has started. Operation will resume.</source>
        <translation>Automatische Tankentleerung gestartet. Der Betrieb wird fortgesetzt.</translation>
    </message>
    <message>
        <source>Communication with addon card lost.</source>
        <translation>Verbindung zur Zusatzkarte verloren.</translation>
    </message>
    <message>
        <source>Room temperature too high. Steam production paused temporarily.</source>
        <translation>Raumtemperatur zu hoch. Dampferzeugung vorübergehend pausiert.</translation>
    </message>
    <message>
        <source>Not implemented</source>
        <translation>Nicht implementiert</translation>
    </message>
    <message>
        <source>No free %1</source>
        <translation>Kein freier Platz mehr: %1</translation>
    </message>
    <message>
        <source>No free favorites posts available</source>
        <translation>Keine freien Favoritenplätze verfügbar</translation>
    </message>
    <message>
        <source>A favorite post with specified name already exists</source>
        <translation>Ein Favorit mit diesem Namen existiert bereits</translation>
    </message>
    <message>
        <source>A favorite post named %1 already exists. Overwrite?</source>
        <translation>Ein Favorit namens %1 existiert bereits. Überschreiben?</translation>
    </message>
    <message>
        <source>Confirm favorite delete?</source>
        <translation>Favorit wirklich löschen?</translation>
    </message>
    <message>
        <source>No contact with control board</source>
        <translation>Keine Verbindung zur Steuerplatine</translation>
    </message>
    <message>
        <source>Confirm clear calendar</source>
        <translation>Kalender wirklich leeren?</translation>
    </message>
    <message>
        <source>Time to ready at less than estimated heating time %1 minutes. Use anyway?</source>
        <translation>Die Zeit bis „Bereit“ ist kürzer als die geschätzte Aufheizzeit von %1 Minuten. Trotzdem verwenden?</translation>
    </message>
    <message>
        <source>Time to ready at less than heating time %1 minutes estimated from factory settings. Heating time will be calibrated at use. Use anyway?</source>
        <translation>Die Zeit bis „Bereit“ ist kürzer als die laut Werkseinstellung geschätzte Aufheizzeit von %1 Minuten. Die Aufheizzeit wird im Betrieb kalibriert. Trotzdem verwenden?</translation>
    </message>
    <message>
        <source>No door switch magnetic sensor connected</source>
        <translation>Kein Magnetkontakt für den Türschalter angeschlossen</translation>
    </message>
    <message>
        <source>Delayed start program edited from other panel</source>
        <translation>Verzögerter Start wurde an einem anderen Bedienfeld geändert</translation>
    </message>
    <message>
        <source>Weekday calendar program edited from other panel</source>
        <translation>Wochentagsprogramm wurde an einem anderen Bedienfeld geändert</translation>
    </message>
    <message>
        <source>Date calendar program edited from other panel</source>
        <translation>Datumsprogramm wurde an einem anderen Bedienfeld geändert</translation>
    </message>
    <message>
        <source>No free time gap for new post</source>
        <translation>Kein freier Zeitraum für ein neues Programm</translation>
    </message>
    <message>
        <source>Favorite post edited from other panel</source>
        <translation>Favorit wurde an einem anderen Bedienfeld geändert</translation>
    </message>
    <message>
        <source>Calendar programs affected by favorite change: %1</source>
        <translation>Von der Favoritenänderung betroffene Kalenderprogramme: %1</translation>
    </message>
    <message>
        <source>Confirm delete of %1?</source>
        <translation>%1 wirklich löschen?</translation>
    </message>
    <message>
        <source>Display will turn OFF due to inactivity (display sleep timer)</source>
        <translation>Das Display schaltet sich wegen Inaktivität aus (Display-Ruhezeit)</translation>
    </message>
    <message>
        <source>Error switching to new language, old will be kept</source>
        <translation>Fehler beim Wechseln der Sprache, die bisherige bleibt aktiv</translation>
    </message>
    <message>
        <source>Internal software error detected file %1 line %2: %3</source>
        <translation>Interner Softwarefehler in Datei %1 Zeile %2: %3</translation>
    </message>
    <message>
        <source>File not found %1</source>
        <translation>Datei nicht gefunden: %1</translation>
    </message>
    <message>
        <source>Key/translation error %1</source>
        <translation>Schlüssel- oder Übersetzungsfehler: %1</translation>
    </message>
    <message>
        <source>Sauna pause timer has been reset</source>
        <translation>Pausentimer der Sauna wurde zurückgesetzt</translation>
    </message>
    <message>
        <source>Sauna not allowed start, %2, conflicts with %1. Save anyway?</source>
        <translation>Startsperre der Sauna, %2, kollidiert mit %1. Trotzdem speichern?</translation>
    </message>
    <message>
        <source>Sauna not allowed start, %2, may conflict with %1. Save anyway?</source>
        <translation>Startsperre der Sauna, %2, kann mit %1 kollidieren. Trotzdem speichern?</translation>
    </message>
    <message>
        <source>Confirm factory reset?</source>
        <translation>Auf Werkseinstellungen zurücksetzen?</translation>
    </message>
    <message>
        <source>PIN code changed</source>
        <translation>PIN-Code geändert</translation>
    </message>
    <message>
        <source>Date and time are not correct, reenter</source>
        <translation>Datum und Uhrzeit sind ungültig, bitte erneut eingeben</translation>
    </message>
    <message>
        <source>Confirm delete of system</source>
        <translation>System wirklich löschen?</translation>
    </message>
    <message>
        <source>Connected to system %1</source>
        <translation>Mit System %1 verbunden</translation>
    </message>
    <message>
        <source>Connect to system %1 failed, incorrect PIN</source>
        <translation>Verbindung mit System %1 fehlgeschlagen, falscher PIN-Code</translation>
    </message>
    <message>
        <source>Connect to system %1 failed, compatibility - update PC panel</source>
        <translation>Verbindung mit System %1 fehlgeschlagen, Kompatibilität – PC-Bedienfeld aktualisieren</translation>
    </message>
    <message>
        <source>Connect to system %1 failed</source>
        <translation>Verbindung mit System %1 fehlgeschlagen</translation>
    </message>
    <message>
        <source>Confirm forget of WiFi network %1</source>
        <translation>WLAN-Netzwerk %1 wirklich vergessen?</translation>
    </message>
    <message>
        <source>Favorite name contains unsupported characters: %1</source>
        <translation>Der Favoritenname enthält nicht unterstützte Zeichen: %1</translation>
    </message>
    <message>
        <source>Auxiliary relay name contains unsupported characters: %1</source>
        <translation>Der Name des Zusatzrelais enthält nicht unterstützte Zeichen: %1</translation>
    </message>
    <message>
        <source>Descaling running</source>
        <translation>Entkalkung läuft</translation>
    </message>
    <message>
        <source>Connection to system %1 lost</source>
        <translation>Verbindung zu System %1 verloren</translation>
    </message>
    <message>
        <source>No response from system %1</source>
        <translation>Keine Antwort von System %1</translation>
    </message>
    <message>
        <source>Retriveing data from system %1</source>
        <translation>Daten werden von System %1 abgerufen</translation>
    </message>
    <message>
        <source>Detecting system on IP adress %1...</source>
        <translation>System unter IP-Adresse %1 wird gesucht...</translation>
    </message>
    <message>
        <source>No system found on IP adress %1</source>
        <translation>Kein System unter IP-Adresse %1 gefunden</translation>
    </message>
    <message>
        <source>Port %1 used, using fallback announcement</source>
        <translation>Port %1 belegt, Ersatzankündigung wird verwendet</translation>
    </message>
    <message>
        <source>Connected to network %1</source>
        <translation>Mit Netzwerk %1 verbunden</translation>
    </message>
    <message>
        <source>Connect to network %1 failed: %2</source>
        <translation>Verbindung mit Netzwerk %1 fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>Connect to system %1 failed, no door switch magnetic sensor connected</source>
        <translation>Verbindung mit System %1 fehlgeschlagen, kein Magnetkontakt für den Türschalter angeschlossen</translation>
    </message>
    <message>
        <source>Password contains national/special characters which are unlikely to work as WiFi password : %1</source>
        <translation>Das Passwort enthält länderspezifische oder Sonderzeichen, die in einem WLAN-Passwort wahrscheinlich nicht funktionieren: %1</translation>
    </message>
    <message>
        <source>Panel settings reset. The control board and the Wi-Fi settings were not reset. The program closes in 5 seconds.</source>
        <translation>Die Einstellungen des Bedienfelds wurden zurückgesetzt. Steuerplatine und WLAN-Einstellungen wurden nicht zurückgesetzt. Das Programm wird in 5 Sekunden beendet.</translation>
    </message>
    <message>
        <source>The settings file was damaged and has been repaired; settings on damaged lines may be lost. The damaged file was copied to %1</source>
        <translation>Die Einstellungsdatei war beschädigt und wurde repariert; Einstellungen in beschädigten Zeilen sind möglicherweise verloren. Die beschädigte Datei wurde nach %1 kopiert.</translation>
    </message>
    <message>
        <source>The settings cannot be saved. Changes will not be kept when the program closes.</source>
        <translation>Die Einstellungen können nicht gespeichert werden. Änderungen gehen beim Beenden des Programms verloren.</translation>
    </message>
    <message>
        <source>Save the changes to favorite %1?</source>
        <translation>Änderungen am Favoriten %1 speichern?</translation>
    </message>
    <message>
        <source>System found on IP address %1</source>
        <translation>System unter IP-Adresse %1 gefunden</translation>
    </message>
    <message>
        <source>Another system (%1) answered at the address of %2. The panel does not connect to it.</source>
        <translation>Ein anderes System (%1) hat unter der Adresse von System %2 geantwortet. Das Bedienfeld verbindet sich nicht damit.</translation>
    </message>
    <message>
        <source>Save the changes to calendar program %1?</source>
        <translation>Änderungen am Kalenderprogramm %1 speichern?</translation>
    </message>
    <message>
        <source>The PIN lock is on. The panel unlocks with PIN %1. To set another PIN, use Change PIN.</source>
        <translation>Die PIN-Sperre ist eingeschaltet. Das Bedienfeld wird mit dem PIN-Code %1 entsperrt. Einen anderen PIN-Code legen Sie mit „PIN-Code ändern“ fest.</translation>
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
        <translation>ü</translation>
    </message>
    <message>
        <source>keyboardRow2Pos0CapsFalseSymbolTrue_</source>
        <translation>€</translation>
    </message>
    <message>
        <source>keyboardRow2Pos0CapsTrue_SymbolFalse</source>
        <translation>Ü</translation>
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
        <translation>ß</translation>
    </message>
    <message>
        <source>keyboardRow2Pos3CapsFalseSymbolTrue_</source>
        <translation>¥</translation>
    </message>
    <message>
        <source>keyboardRow2Pos3CapsTrue_SymbolFalse</source>
        <translation>ß</translation>
    </message>
    <message>
        <source>keyboardRow2Pos3CapsTrue_SymbolTrue_</source>
        <translation>¥</translation>
    </message>
    <message>
        <source>keyboardRow2Pos4CapsFalseSymbolFalse</source>
        <translation>-</translation>
    </message>
    <message>
        <source>keyboardRow2Pos4CapsFalseSymbolTrue_</source>
        <translation>°</translation>
    </message>
    <message>
        <source>keyboardRow2Pos4CapsTrue_SymbolFalse</source>
        <translation>-</translation>
    </message>
    <message>
        <source>keyboardRow2Pos4CapsTrue_SymbolTrue_</source>
        <translation>°</translation>
    </message>
    <message>
        <source>keyboardRow2Pos5CapsFalseSymbolFalse</source>
        <translation>.</translation>
    </message>
    <message>
        <source>keyboardRow2Pos5CapsFalseSymbolTrue_</source>
        <translation>§</translation>
    </message>
    <message>
        <source>keyboardRow2Pos5CapsTrue_SymbolFalse</source>
        <translation>.</translation>
    </message>
    <message>
        <source>keyboardRow2Pos5CapsTrue_SymbolTrue_</source>
        <translation>§</translation>
    </message>
    <message>
        <source>keyboardRow2Pos6CapsFalseSymbolFalse</source>
        <translation>,</translation>
    </message>
    <message>
        <source>keyboardRow2Pos6CapsFalseSymbolTrue_</source>
        <translation>~</translation>
    </message>
    <message>
        <source>keyboardRow2Pos6CapsTrue_SymbolFalse</source>
        <translation>,</translation>
    </message>
    <message>
        <source>keyboardRow2Pos6CapsTrue_SymbolTrue_</source>
        <translation>~</translation>
    </message>
    <message>
        <source>keyboardRow2Pos7CapsFalseSymbolFalse</source>
        <translation>'</translation>
    </message>
    <message>
        <source>keyboardRow2Pos7CapsFalseSymbolTrue_</source>
        <translation>|</translation>
    </message>
    <message>
        <source>keyboardRow2Pos7CapsTrue_SymbolFalse</source>
        <translation>'</translation>
    </message>
    <message>
        <source>keyboardRow2Pos7CapsTrue_SymbolTrue_</source>
        <translation>|</translation>
    </message>
    <message>
        <source>keyboardRow2Pos8CapsFalseSymbolFalse</source>
        <translation>!</translation>
    </message>
    <message>
        <source>keyboardRow2Pos8CapsFalseSymbolTrue_</source>
        <translation>\</translation>
    </message>
    <message>
        <source>keyboardRow2Pos8CapsTrue_SymbolFalse</source>
        <translation>!</translation>
    </message>
    <message>
        <source>keyboardRow2Pos8CapsTrue_SymbolTrue_</source>
        <translation>\</translation>
    </message>
    <message>
        <source>keyboardRow2Pos9CapsFalseSymbolFalse</source>
        <translation>?</translation>
    </message>
    <message>
        <source>keyboardRow2Pos9CapsFalseSymbolTrue_</source>
        <translation>^</translation>
    </message>
    <message>
        <source>keyboardRow2Pos9CapsTrue_SymbolFalse</source>
        <translation>?</translation>
    </message>
    <message>
        <source>keyboardRow2Pos9CapsTrue_SymbolTrue_</source>
        <translation>^</translation>
    </message>
    <message>
        <source>keyboardRow2Pos10CapsFalseSymbolFalse</source>
        <translation>&amp;</translation>
    </message>
    <message>
        <source>keyboardRow2Pos10CapsFalseSymbolTrue_</source>
        <translation>´</translation>
    </message>
    <message>
        <source>keyboardRow2Pos10CapsTrue_SymbolFalse</source>
        <translation>&amp;</translation>
    </message>
    <message>
        <source>keyboardRow2Pos10CapsTrue_SymbolTrue_</source>
        <translation>´</translation>
    </message>
    <message>
        <source>keyboardRow2Pos11CapsFalseSymbolFalse</source>
        <translation>(</translation>
    </message>
    <message>
        <source>keyboardRow2Pos11CapsFalseSymbolTrue_</source>
        <translation>¨</translation>
    </message>
    <message>
        <source>keyboardRow2Pos11CapsTrue_SymbolFalse</source>
        <translation>(</translation>
    </message>
    <message>
        <source>keyboardRow2Pos11CapsTrue_SymbolTrue_</source>
        <translation>¨</translation>
    </message>
    <message>
        <source>keyboardRow2Pos12CapsFalseSymbolFalse</source>
        <translation>)</translation>
    </message>
    <message>
        <source>keyboardRow2Pos12CapsFalseSymbolTrue_</source>
        <translation>µ</translation>
    </message>
    <message>
        <source>keyboardRow2Pos12CapsTrue_SymbolFalse</source>
        <translation>)</translation>
    </message>
    <message>
        <source>keyboardRow2Pos12CapsTrue_SymbolTrue_</source>
        <translation>µ</translation>
    </message>
    <message>
        <source>keyboardRow2Pos13CapsFalseSymbolFalse</source>
        <translation>:</translation>
    </message>
    <message>
        <source>keyboardRow2Pos13CapsFalseSymbolTrue_</source>
        <translation>¿</translation>
    </message>
    <message>
        <source>keyboardRow2Pos13CapsTrue_SymbolFalse</source>
        <translation>:</translation>
    </message>
    <message>
        <source>keyboardRow2Pos13CapsTrue_SymbolTrue_</source>
        <translation>¿</translation>
    </message>
    <message>
        <source>keyboardRow2Pos14CapsFalseSymbolFalse</source>
        <translation>/</translation>
    </message>
    <message>
        <source>keyboardRow2Pos14CapsFalseSymbolTrue_</source>
        <translation>¡</translation>
    </message>
    <message>
        <source>keyboardRow2Pos14CapsTrue_SymbolFalse</source>
        <translation>/</translation>
    </message>
    <message>
        <source>keyboardRow2Pos14CapsTrue_SymbolTrue_</source>
        <translation>¡</translation>
    </message>
    <message>
        <source>keyboardRow2Pos15CapsFalseSymbolFalse</source>
        <translation>+</translation>
    </message>
    <message>
        <source>keyboardRow2Pos15CapsFalseSymbolTrue_</source>
        <translation>«</translation>
    </message>
    <message>
        <source>keyboardRow2Pos15CapsTrue_SymbolFalse</source>
        <translation>+</translation>
    </message>
    <message>
        <source>keyboardRow2Pos15CapsTrue_SymbolTrue_</source>
        <translation>«</translation>
    </message>
    <message>
        <source>keyboardRow2Pos16CapsFalseSymbolFalse</source>
        <translation>@</translation>
    </message>
    <message>
        <source>keyboardRow2Pos16CapsFalseSymbolTrue_</source>
        <translation>»</translation>
    </message>
    <message>
        <source>keyboardRow2Pos16CapsTrue_SymbolFalse</source>
        <translation>@</translation>
    </message>
    <message>
        <source>keyboardRow2Pos16CapsTrue_SymbolTrue_</source>
        <translation>»</translation>
    </message>
    <message>
        <source>keyboardRow2Pos17CapsFalseSymbolFalse</source>
        <translation>#</translation>
    </message>
    <message>
        <source>keyboardRow2Pos17CapsFalseSymbolTrue_</source>
        <translation>¤</translation>
    </message>
    <message>
        <source>keyboardRow2Pos17CapsTrue_SymbolFalse</source>
        <translation>#</translation>
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
        <translation>z</translation>
    </message>
    <message>
        <source>keyboardRow3Pos5CapsFalseSymbolTrue_</source>
        <translation>)</translation>
    </message>
    <message>
        <source>keyboardRow3Pos5CapsTrue_SymbolFalse</source>
        <translation>Z</translation>
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
        <translation>y</translation>
    </message>
    <message>
        <source>keyboardRow5Pos0CapsFalseSymbolTrue_</source>
        <translation>&lt;</translation>
    </message>
    <message>
        <source>keyboardRow5Pos0CapsTrue_SymbolFalse</source>
        <translation>Y</translation>
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
        <translation>Grenzwerte</translation>
    </message>
    <message>
        <source>Bath temperature</source>
        <translation>Badetemperatur</translation>
    </message>
    <message>
        <source>Highest bath temperature a user can set</source>
        <translation>Höchste Badetemperatur, die ein Benutzer einstellen kann</translation>
    </message>
    <message>
        <source>Water temperature</source>
        <translation>Wassertemperatur</translation>
    </message>
    <message>
        <source>Max water fill time</source>
        <translation>Max. Wasserfüllzeit</translation>
    </message>
    <message>
        <source>Overheating</source>
        <translation>Überhitzung</translation>
    </message>
    <message>
        <source>Control board</source>
        <translation>Steuerplatine</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Wasser</translation>
    </message>
</context>
<context>
    <name>LimitEditorPage</name>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
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
        <translation>Von</translation>
    </message>
    <message>
        <source>Until</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
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
        <translation>Überhitzung</translation>
    </message>
    <message>
        <source>Water temperature</source>
        <translation>Wassertemperatur</translation>
    </message>
    <message>
        <source>Not allowed start</source>
        <translation>Startsperre</translation>
    </message>
    <message>
        <source>Max water fill time</source>
        <translation>Max. Wasserfüllzeit</translation>
    </message>
</context>
<context>
    <name>view::ConfigureLimitsNotAllowedStartViewManager</name>
    <message>
        <source>Activate time limit</source>
        <translation>Sperrzeit aktivieren</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>Until</source>
        <translation>Bis</translation>
    </message>
</context>
<context>
    <name>view::ConfigureDateTimeViewManager</name>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Weekstart</source>
        <translation>Wochenbeginn</translation>
    </message>
    <message>
        <source>Erase calendar</source>
        <translation>Kalender löschen</translation>
    </message>
</context>
<context>
    <name>view::ConfigureDateTimeTimeViewManager</name>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Time format</source>
        <translation>Zeitformat</translation>
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
        <translation>Datumsformat</translation>
    </message>
    <message>
        <source>YY/MM/DD</source>
        <translation>JJ/MM/TT</translation>
    </message>
    <message>
        <source>DD/MM/YY</source>
        <translation>TT/MM/JJ</translation>
    </message>
    <message>
        <source>MM/DD/YY</source>
        <translation>MM/TT/JJ</translation>
    </message>
</context>
<context>
    <name>view::ConfigureDateTimeWeekBeginViewManager</name>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
</context>
<context>
    <name>view::ConfigureDateTimeEraseCalendarViewManager</name>
    <message>
        <source>Erase calendar</source>
        <translation>Kalender löschen</translation>
    </message>
</context>
<context>
    <name>DateTimeMenuPage</name>
    <message>
        <source>Date and time</source>
        <translation>Datum und Uhrzeit</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Weekstart</source>
        <translation>Wochenbeginn</translation>
    </message>
    <message>
        <source>Erase calendar</source>
        <translation>Kalender löschen</translation>
    </message>
</context>
<context>
    <name>SetTimePage</name>
    <message>
        <source>Set time</source>
        <translation>Uhrzeit einstellen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
</context>
<context>
    <name>SetDatePage</name>
    <message>
        <source>Set date</source>
        <translation>Datum einstellen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
</context>
<context>
    <name>AdvancedSettingsPage</name>
    <message>
        <source>Advanced settings</source>
        <translation>Erweitert</translation>
    </message>
</context>
<context>
    <name>CleanupPage</name>
    <message>
        <source>Cleanup note</source>
        <translation>Reinigungshinweis</translation>
    </message>
    <message>
        <source>Time interval</source>
        <translation>Zeitintervall</translation>
    </message>
</context>
<context>
    <name>DurationEditorPage</name>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
</context>
<context>
    <name>ExternalSwitchPage</name>
    <message>
        <source>External switch</source>
        <translation>Externer Schalter</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Funktion</translation>
    </message>
    <message>
        <source>Bath time</source>
        <translation>Badezeit</translation>
    </message>
</context>
<context>
    <name>FanPage</name>
    <message>
        <source>Fan</source>
        <translation>Lüfter</translation>
    </message>
    <message>
        <source>Running Time</source>
        <translation>Laufzeit</translation>
    </message>
</context>
<context>
    <name>StandbyPage</name>
    <message>
        <source>Temperature reduction</source>
        <translation>Temperaturabsenkung</translation>
    </message>
    <message>
        <source>Tank standby temperature</source>
        <translation>Tank-Standby-Temperatur</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
</context>
<context>
    <name>TankAutoEmptyingPage</name>
    <message>
        <source>Tank auto emptying</source>
        <translation>Auto-Tankentleerung</translation>
    </message>
    <message>
        <source>Time interval</source>
        <translation>Zeitintervall</translation>
    </message>
</context>
<context>
    <name>view::ConfigureAdvancedSettingsExtSwitchViewManager</name>
    <message>
        <source>Bath time</source>
        <translation>Badezeit</translation>
    </message>
    <message>
        <source>Renew bath time</source>
        <translation>Badezeit erneuern</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>Ein/Aus</translation>
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
        <translation>Laufzeit</translation>
    </message>
</context>
<context>
    <name>view::ConfigureAdvancedSettingsStandbyViewManager</name>
    <message>
        <source>Enable</source>
        <translation>Aktivieren</translation>
    </message>
    <message>
        <source>Enable standby</source>
        <translation>Standby aktivieren</translation>
    </message>
</context>
<context>
    <name>view::ConfigureAdvancedSettingsViewManager</name>
    <message>
        <source>External switch</source>
        <translation>Externer Schalter</translation>
    </message>
    <message>
        <source>Fan</source>
        <translation>Lüfter</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemCleanupViewManager</name>
    <message>
        <source>Enable</source>
        <translation>Aktivieren</translation>
    </message>
    <message>
        <source>Time interval</source>
        <translation>Zeitintervall</translation>
    </message>
    <message>
        <source>Tank Empty Notes</source>
        <translation>Hinweise bei leerem Tank</translation>
    </message>
    <message>
        <source>Cleanup&apos;s until now: %1</source>
        <translation>Bisherige Reinigungen: %1</translation>
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
        <translation>Aktivieren</translation>
    </message>
    <message>
        <source>Time interval</source>
        <translation>Zeitintervall</translation>
    </message>
</context>
<context>
    <name>LanguagePage</name>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
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
        <translation>Die Wahl der Region legt auch ihr Datumsformat, Zeitformat, den ersten Wochentag und die Temperatureinheit fest.</translation>
    </message>
</context>
<context>
    <name>UnitsPage</name>
    <message>
        <source>Units</source>
        <translation>Einheiten</translation>
    </message>
</context>
<context>
    <name>view::ConfigureGeneralDisplayViewManager</name>
    <message>
        <source>Never</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>15 seconds</source>
        <translation>15 Sekunden</translation>
    </message>
    <message>
        <source>30 seconds</source>
        <translation>30 Sekunden</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 Minute</translation>
    </message>
    <message>
        <source>2 minutes</source>
        <translation>2 Minuten</translation>
    </message>
    <message>
        <source>3 minutes</source>
        <translation>3 Minuten</translation>
    </message>
    <message>
        <source>4 minutes</source>
        <translation>4 Minuten</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 Minuten</translation>
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
        <translation>Andere</translation>
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
        <translation>Relaisplatinen orten</translation>
    </message>
    <message>
        <source>Press a button to sound the buzzer of that relay control board.</source>
        <translation>Drücken Sie eine Taste, um den Summer dieser Relaisplatine ertönen zu lassen.</translation>
    </message>
</context>
<context>
    <name>LicencePage</name>
    <message>
        <source>License Info</source>
        <translation>Lizenzinformationen</translation>
    </message>
</context>
<context>
    <name>LinuxComponentsPage</name>
    <message>
        <source>Libraries of this PC</source>
        <translation>Bibliotheken dieses PCs</translation>
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
        <translation>Bibliotheken dieses PCs</translation>
    </message>
    <message>
        <source>%1 control panel is designed using open source software components, which are subject to the copyrights of their authors.</source>
        <translation>Das Bedienfeld %1 wurde mit Open-Source-Softwarekomponenten entwickelt, die dem Urheberrecht ihrer Autoren unterliegen.</translation>
    </message>
    <message>
        <source>Component and license info is provided in english only, many licenses provide translations on their respective web site. Select component in the list below to see respective info.</source>
        <translation>Komponenten- und Lizenzinformationen gibt es nur auf Englisch; viele Lizenzen bieten Übersetzungen auf ihren jeweiligen Webseiten an. Wählen Sie unten eine Komponente aus, um ihre Informationen zu sehen.</translation>
    </message>
    <message>
        <source>[The rest of the file is not shown.]</source>
        <translation>[Der Rest der Datei wird nicht angezeigt.]</translation>
    </message>
    <message>
        <source>This</source>
        <translation>Dieses</translation>
    </message>
</context>
<context>
    <name>view::ConfigureGeneralAboutViewManager</name>
    <message>
        <source>License Info</source>
        <translation>Lizenzinformationen</translation>
    </message>
    <message>
        <source>Identify RCB</source>
        <translation>Relaisplatinen orten</translation>
    </message>
    <message>
        <source>PC Control Panel</source>
        <translation>PC-Bedienfeld</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Softwareversion</translation>
    </message>
    <message>
        <source>Instance</source>
        <translation>Instanz</translation>
    </message>
    <message>
        <source>Control Panel</source>
        <translation>Bedienfeld</translation>
    </message>
    <message>
        <source>Facility Type</source>
        <translation>Anlagentyp</translation>
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
        <translation>Knoten</translation>
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
        <translation>Zerededid-Version</translation>
    </message>
    <message>
        <source>Supervised</source>
        <translation>Beaufsichtigt</translation>
    </message>
    <message>
        <source>Time Controlled</source>
        <translation>Zeitgesteuert</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Privat</translation>
    </message>
    <message>
        <source>Public</source>
        <translation>Öffentlich</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source> Lite</source>
        <translation> Lite</translation>
    </message>
    <message>
        <source>Relay Control Board</source>
        <translation>Relaisplatine</translation>
    </message>
    <message>
        <source>Temperature and Humidity Sensor</source>
        <translation>Temperatur- und Feuchtesensor</translation>
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
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Setup after factory reset, step %1 of %2</source>
        <translation>Einrichtung nach Werksreset, Schritt %1 von %2</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemStatusViewManager</name>
    <message>
        <source>Clean-ups: %1</source>
        <translation>Reinigungen: %1</translation>
    </message>
    <message>
        <source>Room temperature: %1%2</source>
        <translation>Raumtemperatur: %1%2</translation>
    </message>
    <message>
        <source>Room humidity: %1%2</source>
        <translation>Raumfeuchte: %1%2</translation>
    </message>
    <message>
        <source>Water temperature%1: %2%3</source>
        <translation>Wassertemperatur%1: %2%3</translation>
    </message>
    <message>
        <source>Water level</source>
        <translation>Wasserstand</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Magnetic contact: %1</source>
        <translation>Magnetkontakt: %1</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <source>Smart Start Heat Ratio: %1%2</source>
        <translation>Smart-Start-Aufheizrate: %1%2</translation>
    </message>
    <message>
        <source>/min</source>
        <translation>/min</translation>
    </message>
    <message>
        <source>PCB relays:</source>
        <translation>Platinenrelais:</translation>
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
        <translation>Gesamtlaufzeit: %1%2</translation>
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
        <translation>Fehlerprotokoll</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemFactoryResetViewManager</name>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemRelayViewManager</name>
    <message>
        <source>Regulator</source>
        <translation>Regler</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>Ein/Aus</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Geteilt</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemWiFiViewManager</name>
    <message>
        <source>Enable</source>
        <translation>Aktivieren</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Netzwerk</translation>
    </message>
    <message>
        <source>External Units</source>
        <translation>Externe Geräte</translation>
    </message>
    <message>
        <source>WiFi Networks</source>
        <translation>WLAN-Netzwerke</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>No IP address found</source>
        <translation>Keine IP-Adresse gefunden</translation>
    </message>
    <message>
        <source>IP address: %1</source>
        <translation>IP-Adresse: %1</translation>
    </message>
    <message>
        <source>IP addresses</source>
        <translation>IP-Adressen</translation>
    </message>
    <message>
        <source>Identity</source>
        <translation>Kennung</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemAuxViewManager</name>
    <message>
        <source>Not in use</source>
        <translation>Nicht verwendet</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>Ein/Aus</translation>
    </message>
    <message>
        <source>Fragrance</source>
        <translation>Duft</translation>
    </message>
    <message>
        <source>Descaling</source>
        <translation>Entkalkung</translation>
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
    <name>view::ConfigureSystemAuxDescalingViewManager</name>
    <message>
        <source>Enable</source>
        <translation>Aktivieren</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Startzeit</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Dosage</source>
        <translation>Dosierung</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>Wochentag</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Zuletzt</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Wiederholung</translation>
    </message>
    <message>
        <source>Every week</source>
        <translation>Jede Woche</translation>
    </message>
    <message>
        <source>Every 2nd week</source>
        <translation>Jede 2. Woche</translation>
    </message>
    <message>
        <source>Every 3rd week</source>
        <translation>Jede 3. Woche</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Monatlich</translation>
    </message>
</context>
<context>
    <name>AuxRelaysPage</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Fragrance</source>
        <translation>Duft</translation>
    </message>
    <message>
        <source>Descaling</source>
        <translation>Entkalkung</translation>
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
        <translation>Name</translation>
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
    <name>AuxDescalingPage</name>
    <message>
        <source>Start time</source>
        <translation>Startzeit</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Dosage</source>
        <translation>Dosierung</translation>
    </message>
    <message>
        <source>ml</source>
        <translation>ml</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>Wochentag</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Wiederholung</translation>
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
        <translation>Öffentlich</translation>
    </message>
    <message>
        <source>Time controlled</source>
        <translation>Zeitgesteuert</translation>
    </message>
    <message>
        <source>Supervised</source>
        <translation>Beaufsichtigt</translation>
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
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Luftfeuchtigkeit</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemPauseTimerViewManager</name>
    <message>
        <source>Reset pause timer</source>
        <translation>Pausentimer zurücksetzen</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemFilterViewManager</name>
    <message>
        <source>Filter temperature</source>
        <translation>Temperatur filtern</translation>
    </message>
    <message>
        <source>Filter humidity</source>
        <translation>Luftfeuchtigkeit filtern</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemIrViewManager</name>
    <message>
        <source>Enable</source>
        <translation>Aktivieren</translation>
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
        <translation>Anlagentyp</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
</context>
<context>
    <name>BathPriorityPage</name>
    <message>
        <source>Bath type priority</source>
        <translation>Priorität der Badeart</translation>
    </message>
</context>
<context>
    <name>PauseTimerPage</name>
    <message>
        <source>Pause timer</source>
        <translation>Pausentimer</translation>
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
        <translation>Suche per IP</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-Adresse</translation>
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
        <translation>Netzwerk</translation>
    </message>
    <message>
        <source>Sauna systems</source>
        <translation>Saunasysteme</translation>
    </message>
</context>
<context>
    <name>PinEditorPage</name>
    <message>
        <source>Enter PIN</source>
        <translation>PIN-Code eingeben</translation>
    </message>
    <message>
        <source>PIN of the sauna system</source>
        <translation>PIN-Code des Saunasystems</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
</context>
<context>
    <name>SaunaDetailsPage</name>
    <message>
        <source>System details</source>
        <translation>Systemdetails</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
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
        <translation>Suche per IP</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>Last announcement</source>
        <translation>Letzte Ankündigung</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Enter PIN</source>
        <translation>PIN-Code eingeben</translation>
    </message>
    <message>
        <source>Detect</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>The PIN must be 1 to 4 digits</source>
        <translation>Der PIN-Code muss 1 bis 4 Ziffern haben</translation>
    </message>
    <message>
        <source>Invalid IP address</source>
        <translation>Ungültige IP-Adresse</translation>
    </message>
    <message>
        <source>Invalid port</source>
        <translation>Ungültiger Port</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemViewManager</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Netzwerk</translation>
    </message>
    <message>
        <source>Cleanup note</source>
        <translation>Reinigungshinweis</translation>
    </message>
    <message>
        <source>Tank auto emptying</source>
        <translation>Auto-Tankentleerung</translation>
    </message>
    <message>
        <source>Bath type priority</source>
        <translation>Priorität der Badeart</translation>
    </message>
    <message>
        <source>Pause timer</source>
        <translation>Pausentimer</translation>
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
        <translation>Fehlerprotokoll</translation>
    </message>
    <message>
        <source>Facility type</source>
        <translation>Anlagentyp</translation>
    </message>
</context>
</TS>
