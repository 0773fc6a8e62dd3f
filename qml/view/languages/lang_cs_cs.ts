<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ" sourcelanguage="en_GB">
<context>
    <name>CalendarPage</name>
    <message>
        <source>Calendar</source>
        <translation>Kalendář</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Týden</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Termíny</translation>
    </message>
    <message>
        <source>Queue</source>
        <translation>Fronta</translation>
    </message>
    <message>
        <source>Date program</source>
        <translation>Program na datum</translation>
    </message>
    <message>
        <source>Weekly program</source>
        <translation>Týdenní program</translation>
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
        <translation>Oblíbené nastavení</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Přejmenovat</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Teplota</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Vlhkost</translation>
    </message>
    <message>
        <source>Edit bath time</source>
        <translation>Upravit dobu koupele</translation>
    </message>
    <message>
        <source>Bath time</source>
        <translation>Doba koupele</translation>
    </message>
    <message>
        <source>Set bath time</source>
        <translation>Nastavit dobu koupele</translation>
    </message>
    <message>
        <source>Lights</source>
        <translation>Osvětlení</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Smazat</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Spustit</translation>
    </message>
</context>
<context>
    <name>FavoritesPage</name>
    <message>
        <source>Favorites</source>
        <translation>Oblíbené</translation>
    </message>
    <message>
        <source>Save current settings as favorite</source>
        <translation>Uložit aktuální nastavení jako oblíbené</translation>
    </message>
</context>
<context>
    <name>GeneralMenuPage</name>
    <message>
        <source>General</source>
        <translation>Obecné</translation>
    </message>
</context>
<context>
    <name>GenericListView</name>
    <message>
        <source>Nothing to show</source>
        <translation>Žádné položky</translation>
    </message>
</context>
<context>
    <name>HeaterSettingsPage</name>
    <message>
        <source>Heater settings</source>
        <translation>Nastavení kamen</translation>
    </message>
    <message>
        <source>Bath time</source>
        <translation>Doba koupele</translation>
    </message>
    <message>
        <source>Save bath time</source>
        <translation>Uložit dobu koupele</translation>
    </message>
    <message>
        <source>Fan</source>
        <translation>Ventilátor</translation>
    </message>
    <message>
        <source>Fan running</source>
        <translation>Ventilátor běží</translation>
    </message>
    <message>
        <source>Automatic fan</source>
        <translation>Automatický ventilátor</translation>
    </message>
    <message>
        <source>Runs with the heater</source>
        <translation>Běží spolu s kamny</translation>
    </message>
    <message>
        <source>Auxiliary relays</source>
        <translation>Pomocná relé</translation>
    </message>
</context>
<context>
    <name>HumidityStepper</name>
    <message>
        <source>level</source>
        <translation>stupeň</translation>
    </message>
</context>
<context>
    <name>LightsTile</name>
    <message>
        <source>Lights</source>
        <translation>Osvětlení</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Zap.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Vyp.</translation>
    </message>
</context>
<context>
    <name>LockedControlPage</name>
    <message>
        <source>Target temperature</source>
        <translation>Požadovaná teplota</translation>
    </message>
    <message>
        <source>Target humidity</source>
        <translation>Požadovaná vlhkost</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Odemknout</translation>
    </message>
</context>
<context>
    <name>MainControlPage</name>
    <message>
        <source>Humidity %1</source>
        <translation>Vlhkost %1</translation>
    </message>
    <message>
        <source>Humidity --</source>
        <translation>Vlhkost --</translation>
    </message>
    <message>
        <source>Target temperature</source>
        <translation>Požadovaná teplota</translation>
    </message>
    <message>
        <source>Target humidity</source>
        <translation>Požadovaná vlhkost</translation>
    </message>
    <message>
        <source>Bath time</source>
        <translation>Koupel</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Zbývající čas</translation>
    </message>
    <message>
        <source>Fan</source>
        <translation>Ventilátor</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Zap.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Vyp.</translation>
    </message>
</context>
<context>
    <name>NotConnectedNotice</name>
    <message>
        <source>No sauna is connected. Connect one in Settings → Network.</source>
        <translation>Není připojena žádná sauna. Připojte ji v Nastavení → Síť.</translation>
    </message>
</context>
<context>
    <name>OnScreenKeyboard</name>
    <message>
        <source>At most %1 characters</source>
        <translation>Nejvýše %1 znaků</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Mezera</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
</context>
<context>
    <name>PinChangePage</name>
    <message>
        <source>Wrong PIN</source>
        <translation>Chybný PIN</translation>
    </message>
    <message>
        <source>Invalid PIN</source>
        <translation>Neplatný PIN</translation>
    </message>
    <message>
        <source>The PINs do not match</source>
        <translation>Kódy PIN se neshodují</translation>
    </message>
    <message>
        <source>Change PIN</source>
        <translation>Změnit PIN</translation>
    </message>
    <message>
        <source>Enter current PIN</source>
        <translation>Zadejte aktuální PIN</translation>
    </message>
    <message>
        <source>Enter new PIN</source>
        <translation>Zadejte nový PIN</translation>
    </message>
    <message>
        <source>Confirm new PIN</source>
        <translation>Potvrďte nový PIN</translation>
    </message>
</context>
<context>
    <name>PinEntryPage</name>
    <message>
        <source>Enter PIN</source>
        <translation>Zadejte PIN</translation>
    </message>
    <message>
        <source>Wrong PIN</source>
        <translation>Chybný PIN</translation>
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
        <translation>Připraveno</translation>
    </message>
    <message>
        <source>Set ready time</source>
        <translation>Nastavit čas připravenosti</translation>
    </message>
    <message>
        <source>Custom settings</source>
        <translation>Vlastní nastavení</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Teplota</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Vlhkost</translation>
    </message>
    <message>
        <source>Stop after</source>
        <translation>Vypnout po</translation>
    </message>
    <message>
        <source>Set stop time</source>
        <translation>Nastavit dobu do vypnutí</translation>
    </message>
    <message>
        <source>Use custom settings</source>
        <translation>Použít vlastní nastavení</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Smazat</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Start at</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>Set start time</source>
        <translation>Nastavit čas spuštění</translation>
    </message>
    <message>
        <source>Set temperature</source>
        <translation>Nastavit teplotu</translation>
    </message>
    <message>
        <source>Set humidity</source>
        <translation>Nastavit vlhkost</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>PC Panel</source>
        <translation>PC panel</translation>
    </message>
    <message>
        <source>Smart Phone</source>
        <translation>Chytrý telefon</translation>
    </message>
    <message>
        <source>Tablet</source>
        <translation>Tablet</translation>
    </message>
    <message>
        <source>Home Automation</source>
        <translation>Domácí automatizace</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Jiné</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Neznámé</translation>
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
        <translation>Kombi – ruční</translation>
    </message>
    <message>
        <source>Combi automatic</source>
        <translation>Kombi – automatický</translation>
    </message>
    <message>
        <source>Steam private</source>
        <translation>Pára – soukromý provoz</translation>
    </message>
    <message>
        <source>Steam private auto</source>
        <translation>Pára – soukromý provoz, auto</translation>
    </message>
    <message>
        <source>Steam public</source>
        <translation>Pára – veřejný provoz</translation>
    </message>
    <message>
        <source>Steam public/private Manual Empty</source>
        <translation>Pára – veřejný/soukromý, ruční vypouštění</translation>
    </message>
    <message>
        <source>Sauna box addon</source>
        <translation>Rozšiřující modul sauny</translation>
    </message>
    <message>
        <source>Sauna</source>
        <translation>Sauna</translation>
    </message>
    <message>
        <source>Sauna Low</source>
        <translation>Sauna nízká</translation>
    </message>
    <message>
        <source>Sauna IR</source>
        <translation>Infrasauna</translation>
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
        <translation>Nedefinováno</translation>
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
        <translation>K9 (bez Wi-Fi)</translation>
    </message>
    <message>
        <source>Vertex (no Wifi)</source>
        <translation>Vertex (bez Wi-Fi)</translation>
    </message>
    <message>
        <source>Fell</source>
        <translation>Fell</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Pondělí</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Úterý</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Středa</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Čtvrtek</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Pátek</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sobota</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Neděle</translation>
    </message>
    <message>
        <source>plural_Mondays</source>
        <translation>Pondělky</translation>
    </message>
    <message>
        <source>plural_Tuesdays</source>
        <translation>Úterky</translation>
    </message>
    <message>
        <source>plural_Wednesdays</source>
        <translation>Středy</translation>
    </message>
    <message>
        <source>plural_Thursdays</source>
        <translation>Čtvrtky</translation>
    </message>
    <message>
        <source>plural_Fridays</source>
        <translation>Pátky</translation>
    </message>
    <message>
        <source>plural_Saturdays</source>
        <translation>Soboty</translation>
    </message>
    <message>
        <source>plural_Sundays</source>
        <translation>Neděle</translation>
    </message>
    <message>
        <source>long_form_January</source>
        <translation>Leden</translation>
    </message>
    <message>
        <source>long_form_February</source>
        <translation>Únor</translation>
    </message>
    <message>
        <source>long_form_March</source>
        <translation>Březen</translation>
    </message>
    <message>
        <source>long_form_April</source>
        <translation>Duben</translation>
    </message>
    <message>
        <source>long_form_May</source>
        <translation>Květen</translation>
    </message>
    <message>
        <source>long_form_June</source>
        <translation>Červen</translation>
    </message>
    <message>
        <source>long_form_July</source>
        <translation>Červenec</translation>
    </message>
    <message>
        <source>long_form_August</source>
        <translation>Srpen</translation>
    </message>
    <message>
        <source>long_form_September</source>
        <translation>Září</translation>
    </message>
    <message>
        <source>long_form_October</source>
        <translation>Říjen</translation>
    </message>
    <message>
        <source>long_form_November</source>
        <translation>Listopad</translation>
    </message>
    <message>
        <source>long_form_December</source>
        <translation>Prosinec</translation>
    </message>
    <message>
        <source>short_form_January</source>
        <translation>led</translation>
    </message>
    <message>
        <source>short_form_February</source>
        <translation>úno</translation>
    </message>
    <message>
        <source>short_form_March</source>
        <translation>bře</translation>
    </message>
    <message>
        <source>short_form_April</source>
        <translation>dub</translation>
    </message>
    <message>
        <source>short_form_May</source>
        <translation>kvě</translation>
    </message>
    <message>
        <source>short_form_June</source>
        <translation>čvn</translation>
    </message>
    <message>
        <source>short_form_July</source>
        <translation>čvc</translation>
    </message>
    <message>
        <source>short_form_August</source>
        <translation>srp</translation>
    </message>
    <message>
        <source>short_form_September</source>
        <translation>zář</translation>
    </message>
    <message>
        <source>short_form_October</source>
        <translation>říj</translation>
    </message>
    <message>
        <source>short_form_November</source>
        <translation>lis</translation>
    </message>
    <message>
        <source>short_form_December</source>
        <translation>pro</translation>
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
        <translation>Nedefinované relé</translation>
    </message>
    <message>
        <source>Aux %1</source>
        <translation>Pomocné relé %1</translation>
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
        <translation>Ano</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Informace</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Zapnutí/vypnutí</translation>
    </message>
    <message>
        <source>Lighting</source>
        <translation>Osvětlení</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Teplota</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Vlhkost</translation>
    </message>
    <message>
        <source>IR</source>
        <translation>IR</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Režim</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>Ready at</source>
        <translation>Připraveno</translation>
    </message>
    <message>
        <source>Start at</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop after</source>
        <translation>Vypnout po</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Vlastní</translation>
    </message>
    <message>
        <source>Favorite</source>
        <translation>Oblíbené nastavení</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Dnes</translation>
    </message>
    <message>
        <source>Bath</source>
        <translation>Koupel</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>Pohotovost</translation>
    </message>
    <message>
        <source>Warm Start</source>
        <translation>Teplý start</translation>
    </message>
    <message>
        <source>Current Settings</source>
        <translation>Aktuální nastavení</translation>
    </message>
    <message>
        <source>Delayed start</source>
        <translation>Odložený start</translation>
    </message>
    <message>
        <source>delayed start</source>
        <translation>odložený start</translation>
    </message>
    <message>
        <source>date calendar program</source>
        <translation>program na datum</translation>
    </message>
    <message>
        <source>weekday calendar program</source>
        <translation>týdenní program</translation>
    </message>
    <message>
        <source>ml</source>
        <translation>ml</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Zapnuto</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Vypnuto</translation>
    </message>
    <message>
        <source>Standard network</source>
        <translation>Standardní síť</translation>
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
        <translation>Neznámé ID zprávy %1 (0x%2)</translation>
    </message>
    <message>
        <source>Primary</source>
        <translation>Primární</translation>
    </message>
    <message>
        <source>Secondary</source>
        <translation>Sekundární</translation>
    </message>
    <message>
        <source>Descaling</source>
        <translation>Odvápnění</translation>
    </message>
    <message>
        <source>Auto connect</source>
        <translation>Automaticky připojit</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Připojit</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Odpojit</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualizovat</translation>
    </message>
</context>
<context>
    <name>SaunaStatus</name>
    <message>
        <source>level</source>
        <translation>stupeň</translation>
    </message>
    <message>
        <source>Heating</source>
        <translation>Ohřev</translation>
    </message>
    <message>
        <source>Drying</source>
        <translation>Vysoušení</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>Pohotovost</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <translation>Čištění</translation>
    </message>
    <message>
        <source>Descaling</source>
        <translation>Odvápnění</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Vypnuto</translation>
    </message>
</context>
<context>
    <name>SettingsFrame</name>
    <message>
        <source>System</source>
        <translation>Systém</translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>Limity</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Obecné</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Datum a čas</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <translation>Pokročilá nastavení</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Síť</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Nastavení</translation>
    </message>
</context>
<context>
    <name>TemperatureDial</name>
    <message>
        <source>Room</source>
        <translation>Kabina</translation>
    </message>
    <message>
        <source>Target %1</source>
        <translation>Nastaveno %1</translation>
    </message>
</context>
<context>
    <name>WeekProgramsPage</name>
    <message>
        <source>Weekly programs active</source>
        <translation>Týdenní programy aktivní</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Name of the favorite</source>
        <translation>Název oblíbeného nastavení</translation>
    </message>
    <message>
        <source>Name of the relay</source>
        <translation>Název relé</translation>
    </message>
    <message>
        <source>Sauna</source>
        <translation>Sauna</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Oblíbené</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalendář</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Nastavení</translation>
    </message>
</context>
<context>
    <name>main_startup_screen</name>
    <message>
        <source>PC Control Panel</source>
        <translation>Ovládací panel pro PC</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Spouštění…</translation>
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
        <translation>%1 - %2 (spojení ztraceno)</translation>
    </message>
</context>
<context>
    <name>view::ConfigureGeneralPinViewManager</name>
    <message>
        <source>Activate PIN</source>
        <translation>Aktivovat PIN</translation>
    </message>
    <message>
        <source>Change PIN</source>
        <translation>Změnit PIN</translation>
    </message>
    <message>
        <source>Controls on lockscreen</source>
        <translation>Ovládání na zamčené obrazovce</translation>
    </message>
</context>
<context>
    <name>view::ConfigureGeneralViewManager</name>
    <message>
        <source>About</source>
        <translation>Informace</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Jazyk</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Oblast</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Jednotky</translation>
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
        <translation>Žádná chyba</translation>
    </message>
    <message>
        <source>Room temperature sensor not connected or malfunctioning</source>
        <translation>Čidlo teploty v kabině není připojeno nebo je vadné</translation>
    </message>
    <message>
        <source>Steam tank temperature sensor not connected or malfunctioning</source>
        <translation>Čidlo teploty parní nádrže není připojeno nebo je vadné</translation>
    </message>
    <message>
        <source>Relay Control Box PCB has overheated</source>
        <translation>Deska relé se přehřála</translation>
    </message>
    <message>
        <source>Electrode short circuit</source>
        <translation>Zkrat na elektrodách</translation>
    </message>
    <message>
        <source>Steamtank overfill. Level electrodes malfunction.</source>
        <translation>Parní nádrž je přeplněná. Hladinové elektrody jsou vadné.</translation>
    </message>
    <message>
        <source>Contact lost with Zerededid node of node profile Control Panel Home</source>
        <translation>Ztráta spojení s uzlem Zerededid s profilem Ovládací panel Home</translation>
    </message>
    <message>
        <source>Contact lost with Zerededid node of node profile Temperature/Humidity Sensor</source>
        <translation>Ztráta spojení s uzlem Zerededid s profilem Čidlo teploty/vlhkosti</translation>
    </message>
    <message>
        <source>Steam tank has overheated</source>
        <translation>Parní nádrž se přehřála</translation>
    </message>
    <message>
        <source>Real-time clock (RTC) communication failure</source>
        <translation>Chyba komunikace s hodinami reálného času (RTC)</translation>
    </message>
    <message>
        <source>Communication with addon card lost.</source>
        <translation>Komunikace s rozšiřující kartou byla ztracena.</translation>
    </message>
    <message>
        <source>Emptying of water in steam tank failure. Turn off power and do service.</source>
        <translation>Vypouštění vody z parní nádrže selhalo. Vypněte napájení a proveďte servis.</translation>
    </message>
    <message>
        <source>Level electrodes steam tank out of service, interruption mid</source>
        <translation>Hladinové elektrody parní nádrže jsou mimo provoz, přerušení u střední elektrody</translation>
    </message>
    <message>
        <source>Zerededid connected humidity sensor malfunctioning</source>
        <translation>Čidlo vlhkosti připojené přes Zerededid je vadné</translation>
    </message>
    <message>
        <source>Zerededid connected temperature sensor malfunctioning</source>
        <translation>Čidlo teploty připojené přes Zerededid je vadné</translation>
    </message>
    <message>
        <source>Contact lost with Zerededid node of node profile Relay Control Board</source>
        <translation>Ztráta spojení s uzlem Zerededid s profilem Deska relé</translation>
    </message>
    <message>
        <source>High temperature limit control have trip out, must be reset</source>
        <translation>Bezpečnostní omezovač teploty vypnul a musí být resetován</translation>
    </message>
    <message>
        <source>Room temperature sensor overheated</source>
        <translation>Čidlo teploty v kabině je přehřáté</translation>
    </message>
    <message>
        <source>Too many units connected</source>
        <translation>Je připojeno příliš mnoho jednotek</translation>
    </message>
    <message>
        <source>The door has been open for more than the allowed time. Ongoing bath cancelled.</source>
        <translation>Dveře byly otevřené déle, než je povoleno. Probíhající koupel byla zrušena.</translation>
    </message>
    <message>
        <source>Magnetic contact open more than 60 seconds since last bath</source>
        <translation>Magnetický kontakt je od poslední koupele rozpojen déle než 60 sekund</translation>
    </message>
</context>
<context>
    <name>view::details::UserMessageFunctions</name>
    <message>
        <source>Weekday calendar program collision detected</source>
        <translation>Byl zjištěn překryv týdenních programů</translation>
    </message>
    <message>
        <source>Date calendar program collision detected</source>
        <translation>Byl zjištěn překryv programů na datum</translation>
    </message>
    <message>
        <source>Bathtime limit exceeded. Start will be allowed at %1</source>
        <translation>Limit doby koupele byl překročen. Spuštění bude možné v %1</translation>
    </message>
    <message>
        <source>Operation not possible, blocked by not allowed start</source>
        <translation>Operace není možná, blokuje ji zákaz spuštění</translation>
    </message>
    <message>
        <source>Tank emptying has started, operation is possible when draining is complete</source>
        <translation>Vypouštění nádrže bylo zahájeno, operace bude možná po jeho dokončení</translation>
    </message>
    <message>
        <source>Perform control/clean of tank</source>
        <translation>Proveďte kontrolu a vyčištění nádrže</translation>
    </message>
    <message>
        <source>Check sauna before next start</source>
        <translation>Před dalším spuštěním saunu zkontrolujte</translation>
    </message>
    <message>
        <source>Fault, tank emptying has started</source>
        <translation>Porucha, bylo zahájeno vypouštění nádrže</translation>
    </message>
    <message>
        <source>Descaling has started, operation not possible</source>
        <translation>Odvápnění bylo zahájeno, operace není možná</translation>
    </message>
    <message>
        <source>Descaling completed</source>
        <translation>Odvápnění bylo dokončeno</translation>
    </message>
    <message>
        <source>Water in tank</source>
        <translation>V nádrži je voda</translation>
    </message>
    <message>
        <source>Manual tank emptying should be performed</source>
        <translation>Je třeba ručně vypustit nádrž</translation>
    </message>
    <message>
        <source>Standby operation is no longer possible in the system due to tank sensor error</source>
        <translation>Pohotovostní provoz již není v systému možný kvůli chybě čidla nádrže</translation>
    </message>
    <message>
        <source>Has cleanup been performed?</source>
        <translation>Bylo provedeno čištění?</translation>
    </message>
    <message>
        <source>No humidity sensor detected. Steam not allowed.</source>
        <translation>Nebylo nalezeno čidlo vlhkosti. Pára není povolena.</translation>
    </message>
    <message>
        <source>Automatic tank emptying interval has started. Reduced steam.</source>
        <translation>Začal interval automatického vypouštění nádrže. Výkon páry je snížen.</translation>
    </message>
    <message>
        <source>Automatic tank emptying has started. Operation will resume.</source>
        <translation>Začalo automatické vypouštění nádrže. Provoz bude poté obnoven.</translation>
    </message>
    <message>
        <source>Communication with addon card lost.</source>
        <translation>Komunikace s rozšiřující kartou byla ztracena.</translation>
    </message>
    <message>
        <source>Room temperature too high. Steam production paused temporarily.</source>
        <translation>Teplota v kabině je příliš vysoká. Výroba páry je dočasně pozastavena.</translation>
    </message>
    <message>
        <source>Not implemented</source>
        <translation>Není implementováno</translation>
    </message>
    <message>
        <source>No free %1</source>
        <translation>Není volné místo pro %1</translation>
    </message>
    <message>
        <source>No free favorites posts available</source>
        <translation>Pro oblíbená nastavení nejsou volná místa</translation>
    </message>
    <message>
        <source>A favorite post with specified name already exists</source>
        <translation>Oblíbené nastavení s tímto názvem již existuje</translation>
    </message>
    <message>
        <source>A favorite post named %1 already exists. Overwrite?</source>
        <translation>Oblíbené nastavení s názvem %1 již existuje. Přepsat?</translation>
    </message>
    <message>
        <source>Confirm favorite delete?</source>
        <translation>Opravdu smazat oblíbené nastavení?</translation>
    </message>
    <message>
        <source>No contact with control board</source>
        <translation>Není spojení s řídicí deskou</translation>
    </message>
    <message>
        <source>Confirm clear calendar</source>
        <translation>Opravdu vymazat kalendář?</translation>
    </message>
    <message>
        <source>Time to ready at less than estimated heating time %1 minutes. Use anyway?</source>
        <translation>Čas do připravenosti je kratší než odhadovaná doba ohřevu %1 min. Přesto použít?</translation>
    </message>
    <message>
        <source>Time to ready at less than heating time %1 minutes estimated from factory settings. Heating time will be calibrated at use. Use anyway?</source>
        <translation>Čas do připravenosti je kratší než doba ohřevu %1 min odhadnutá podle továrního nastavení. Doba ohřevu se během používání zkalibruje. Přesto použít?</translation>
    </message>
    <message>
        <source>No door switch magnetic sensor connected</source>
        <translation>Není připojen magnetický snímač dveří</translation>
    </message>
    <message>
        <source>Delayed start program edited from other panel</source>
        <translation>Odložený start byl upraven na jiném panelu</translation>
    </message>
    <message>
        <source>Weekday calendar program edited from other panel</source>
        <translation>Týdenní program byl upraven na jiném panelu</translation>
    </message>
    <message>
        <source>Date calendar program edited from other panel</source>
        <translation>Program na datum byl upraven na jiném panelu</translation>
    </message>
    <message>
        <source>No free time gap for new post</source>
        <translation>Pro nový program není volný časový úsek</translation>
    </message>
    <message>
        <source>Favorite post edited from other panel</source>
        <translation>Oblíbené nastavení bylo upraveno na jiném panelu</translation>
    </message>
    <message>
        <source>Calendar programs affected by favorite change: %1</source>
        <translation>Programy kalendáře ovlivněné změnou oblíbeného nastavení: %1</translation>
    </message>
    <message>
        <source>Confirm delete of %1?</source>
        <translation>Opravdu smazat %1?</translation>
    </message>
    <message>
        <source>Display will turn OFF due to inactivity (display sleep timer)</source>
        <translation>Displej se kvůli nečinnosti VYPNE (časovač spánku displeje)</translation>
    </message>
    <message>
        <source>Error switching to new language, old will be kept</source>
        <translation>Chyba při přepnutí jazyka, zůstane zachován původní jazyk</translation>
    </message>
    <message>
        <source>Internal software error detected file %1 line %2: %3</source>
        <translation>Zjištěna interní chyba softwaru, soubor %1, řádek %2: %3</translation>
    </message>
    <message>
        <source>File not found %1</source>
        <translation>Soubor nebyl nalezen: %1</translation>
    </message>
    <message>
        <source>Key/translation error %1</source>
        <translation>Chyba klíče nebo překladu: %1</translation>
    </message>
    <message>
        <source>Sauna pause timer has been reset</source>
        <translation>Časovač přestávky sauny byl vynulován</translation>
    </message>
    <message>
        <source>Sauna not allowed start, %2, conflicts with %1. Save anyway?</source>
        <translation>Zákaz spuštění sauny (%2) koliduje s programem %1. Přesto uložit?</translation>
    </message>
    <message>
        <source>Sauna not allowed start, %2, may conflict with %1. Save anyway?</source>
        <translation>Zákaz spuštění sauny (%2) může kolidovat s dobou provozu sauny %1. Přesto uložit?</translation>
    </message>
    <message>
        <source>Confirm factory reset?</source>
        <translation>Opravdu obnovit tovární nastavení?</translation>
    </message>
    <message>
        <source>PIN code changed</source>
        <translation>PIN byl změněn</translation>
    </message>
    <message>
        <source>Date and time are not correct, reenter</source>
        <translation>Datum a čas nejsou správné, zadejte je znovu</translation>
    </message>
    <message>
        <source>Confirm delete of system</source>
        <translation>Opravdu odstranit systém?</translation>
    </message>
    <message>
        <source>Connected to system %1</source>
        <translation>Připojeno k systému %1</translation>
    </message>
    <message>
        <source>Connect to system %1 failed, incorrect PIN</source>
        <translation>Připojení k systému %1 selhalo, nesprávný PIN</translation>
    </message>
    <message>
        <source>Connect to system %1 failed, compatibility - update PC panel</source>
        <translation>Připojení k systému %1 selhalo kvůli kompatibilitě – aktualizujte PC panel</translation>
    </message>
    <message>
        <source>Connect to system %1 failed</source>
        <translation>Připojení k systému %1 selhalo</translation>
    </message>
    <message>
        <source>Confirm forget of WiFi network %1</source>
        <translation>Opravdu zapomenout síť Wi-Fi %1?</translation>
    </message>
    <message>
        <source>Favorite name contains unsupported characters: %1</source>
        <translation>Název oblíbeného nastavení obsahuje nepodporované znaky: %1</translation>
    </message>
    <message>
        <source>Auxiliary relay name contains unsupported characters: %1</source>
        <translation>Název pomocného relé obsahuje nepodporované znaky: %1</translation>
    </message>
    <message>
        <source>Descaling running</source>
        <translation>Probíhá odvápnění</translation>
    </message>
    <message>
        <source>Connection to system %1 lost</source>
        <translation>Spojení se systémem %1 bylo ztraceno</translation>
    </message>
    <message>
        <source>No response from system %1</source>
        <translation>Systém %1 neodpovídá</translation>
    </message>
    <message>
        <source>Retriveing data from system %1</source>
        <translation>Načítání dat ze systému %1</translation>
    </message>
    <message>
        <source>Detecting system on IP adress %1...</source>
        <translation>Hledání systému na IP adrese %1...</translation>
    </message>
    <message>
        <source>No system found on IP adress %1</source>
        <translation>Na IP adrese %1 nebyl nalezen žádný systém</translation>
    </message>
    <message>
        <source>Port %1 used, using fallback announcement</source>
        <translation>Port %1 je obsazen, použije se záložní ohlašování</translation>
    </message>
    <message>
        <source>Connected to network %1</source>
        <translation>Připojeno k síti %1</translation>
    </message>
    <message>
        <source>Connect to network %1 failed: %2</source>
        <translation>Připojení k síti %1 selhalo: %2</translation>
    </message>
    <message>
        <source>Connect to system %1 failed, no door switch magnetic sensor connected</source>
        <translation>Připojení k systému %1 selhalo, není připojen magnetický snímač dveří</translation>
    </message>
    <message>
        <source>Password contains national/special characters which are unlikely to work as WiFi password : %1</source>
        <translation>Heslo obsahuje národní nebo speciální znaky, které v hesle Wi-Fi nejspíš nebudou fungovat: %1</translation>
    </message>
    <message>
        <source>Panel settings reset. The control board and the Wi-Fi settings were not reset. The program closes in 5 seconds.</source>
        <translation>Nastavení panelu bylo obnoveno. Řídicí deska a nastavení Wi-Fi obnoveny nebyly. Program se za 5 sekund ukončí.</translation>
    </message>
    <message>
        <source>The settings file was damaged and has been repaired; settings on damaged lines may be lost. The damaged file was copied to %1</source>
        <translation>Soubor s nastavením byl poškozen a byl opraven; nastavení na poškozených řádcích mohla být ztracena. Poškozený soubor byl zkopírován do %1</translation>
    </message>
    <message>
        <source>The settings cannot be saved. Changes will not be kept when the program closes.</source>
        <translation>Nastavení nelze uložit. Změny se po ukončení programu nezachovají.</translation>
    </message>
    <message>
        <source>Save the changes to favorite %1?</source>
        <translation>Uložit změny oblíbeného nastavení %1?</translation>
    </message>
    <message>
        <source>System found on IP address %1</source>
        <translation>Na IP adrese %1 byl nalezen systém</translation>
    </message>
    <message>
        <source>Another system (%1) answered at the address of %2. The panel does not connect to it.</source>
        <translation>Na adrese systému %2 odpověděl jiný systém (%1). Panel se k němu nepřipojí.</translation>
    </message>
    <message>
        <source>Save the changes to calendar program %1?</source>
        <translation>Uložit změny programu kalendáře %1?</translation>
    </message>
    <message>
        <source>The PIN lock is on. The panel unlocks with PIN %1. To set another PIN, use Change PIN.</source>
        <translation>Zámek PIN je zapnutý. Panel odemknete kódem PIN %1. Jiný PIN nastavíte volbou Změnit PIN.</translation>
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
        <translation>ě</translation>
    </message>
    <message>
        <source>keyboardRow2Pos0CapsFalseSymbolTrue_</source>
        <translation>€</translation>
    </message>
    <message>
        <source>keyboardRow2Pos0CapsTrue_SymbolFalse</source>
        <translation>Ě</translation>
    </message>
    <message>
        <source>keyboardRow2Pos0CapsTrue_SymbolTrue_</source>
        <translation>€</translation>
    </message>
    <message>
        <source>keyboardRow2Pos1CapsFalseSymbolFalse</source>
        <translation>š</translation>
    </message>
    <message>
        <source>keyboardRow2Pos1CapsFalseSymbolTrue_</source>
        <translation>$</translation>
    </message>
    <message>
        <source>keyboardRow2Pos1CapsTrue_SymbolFalse</source>
        <translation>Š</translation>
    </message>
    <message>
        <source>keyboardRow2Pos1CapsTrue_SymbolTrue_</source>
        <translation>$</translation>
    </message>
    <message>
        <source>keyboardRow2Pos2CapsFalseSymbolFalse</source>
        <translation>č</translation>
    </message>
    <message>
        <source>keyboardRow2Pos2CapsFalseSymbolTrue_</source>
        <translation>£</translation>
    </message>
    <message>
        <source>keyboardRow2Pos2CapsTrue_SymbolFalse</source>
        <translation>Č</translation>
    </message>
    <message>
        <source>keyboardRow2Pos2CapsTrue_SymbolTrue_</source>
        <translation>£</translation>
    </message>
    <message>
        <source>keyboardRow2Pos3CapsFalseSymbolFalse</source>
        <translation>ř</translation>
    </message>
    <message>
        <source>keyboardRow2Pos3CapsFalseSymbolTrue_</source>
        <translation>¥</translation>
    </message>
    <message>
        <source>keyboardRow2Pos3CapsTrue_SymbolFalse</source>
        <translation>Ř</translation>
    </message>
    <message>
        <source>keyboardRow2Pos3CapsTrue_SymbolTrue_</source>
        <translation>¥</translation>
    </message>
    <message>
        <source>keyboardRow2Pos4CapsFalseSymbolFalse</source>
        <translation>ž</translation>
    </message>
    <message>
        <source>keyboardRow2Pos4CapsFalseSymbolTrue_</source>
        <translation>°</translation>
    </message>
    <message>
        <source>keyboardRow2Pos4CapsTrue_SymbolFalse</source>
        <translation>Ž</translation>
    </message>
    <message>
        <source>keyboardRow2Pos4CapsTrue_SymbolTrue_</source>
        <translation>°</translation>
    </message>
    <message>
        <source>keyboardRow2Pos5CapsFalseSymbolFalse</source>
        <translation>ý</translation>
    </message>
    <message>
        <source>keyboardRow2Pos5CapsFalseSymbolTrue_</source>
        <translation>§</translation>
    </message>
    <message>
        <source>keyboardRow2Pos5CapsTrue_SymbolFalse</source>
        <translation>Ý</translation>
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
        <translation>í</translation>
    </message>
    <message>
        <source>keyboardRow2Pos7CapsFalseSymbolTrue_</source>
        <translation>|</translation>
    </message>
    <message>
        <source>keyboardRow2Pos7CapsTrue_SymbolFalse</source>
        <translation>Í</translation>
    </message>
    <message>
        <source>keyboardRow2Pos7CapsTrue_SymbolTrue_</source>
        <translation>|</translation>
    </message>
    <message>
        <source>keyboardRow2Pos8CapsFalseSymbolFalse</source>
        <translation>é</translation>
    </message>
    <message>
        <source>keyboardRow2Pos8CapsFalseSymbolTrue_</source>
        <translation>\</translation>
    </message>
    <message>
        <source>keyboardRow2Pos8CapsTrue_SymbolFalse</source>
        <translation>É</translation>
    </message>
    <message>
        <source>keyboardRow2Pos8CapsTrue_SymbolTrue_</source>
        <translation>\</translation>
    </message>
    <message>
        <source>keyboardRow2Pos9CapsFalseSymbolFalse</source>
        <translation>ú</translation>
    </message>
    <message>
        <source>keyboardRow2Pos9CapsFalseSymbolTrue_</source>
        <translation>^</translation>
    </message>
    <message>
        <source>keyboardRow2Pos9CapsTrue_SymbolFalse</source>
        <translation>Ú</translation>
    </message>
    <message>
        <source>keyboardRow2Pos9CapsTrue_SymbolTrue_</source>
        <translation>^</translation>
    </message>
    <message>
        <source>keyboardRow2Pos10CapsFalseSymbolFalse</source>
        <translation>ů</translation>
    </message>
    <message>
        <source>keyboardRow2Pos10CapsFalseSymbolTrue_</source>
        <translation>´</translation>
    </message>
    <message>
        <source>keyboardRow2Pos10CapsTrue_SymbolFalse</source>
        <translation>Ů</translation>
    </message>
    <message>
        <source>keyboardRow2Pos10CapsTrue_SymbolTrue_</source>
        <translation>´</translation>
    </message>
    <message>
        <source>keyboardRow2Pos11CapsFalseSymbolFalse</source>
        <translation>ť</translation>
    </message>
    <message>
        <source>keyboardRow2Pos11CapsFalseSymbolTrue_</source>
        <translation>¨</translation>
    </message>
    <message>
        <source>keyboardRow2Pos11CapsTrue_SymbolFalse</source>
        <translation>Ť</translation>
    </message>
    <message>
        <source>keyboardRow2Pos11CapsTrue_SymbolTrue_</source>
        <translation>¨</translation>
    </message>
    <message>
        <source>keyboardRow2Pos12CapsFalseSymbolFalse</source>
        <translation>ď</translation>
    </message>
    <message>
        <source>keyboardRow2Pos12CapsFalseSymbolTrue_</source>
        <translation>µ</translation>
    </message>
    <message>
        <source>keyboardRow2Pos12CapsTrue_SymbolFalse</source>
        <translation>Ď</translation>
    </message>
    <message>
        <source>keyboardRow2Pos12CapsTrue_SymbolTrue_</source>
        <translation>µ</translation>
    </message>
    <message>
        <source>keyboardRow2Pos13CapsFalseSymbolFalse</source>
        <translation>ň</translation>
    </message>
    <message>
        <source>keyboardRow2Pos13CapsFalseSymbolTrue_</source>
        <translation>¿</translation>
    </message>
    <message>
        <source>keyboardRow2Pos13CapsTrue_SymbolFalse</source>
        <translation>Ň</translation>
    </message>
    <message>
        <source>keyboardRow2Pos13CapsTrue_SymbolTrue_</source>
        <translation>¿</translation>
    </message>
    <message>
        <source>keyboardRow2Pos14CapsFalseSymbolFalse</source>
        <translation>ó</translation>
    </message>
    <message>
        <source>keyboardRow2Pos14CapsFalseSymbolTrue_</source>
        <translation>¡</translation>
    </message>
    <message>
        <source>keyboardRow2Pos14CapsTrue_SymbolFalse</source>
        <translation>Ó</translation>
    </message>
    <message>
        <source>keyboardRow2Pos14CapsTrue_SymbolTrue_</source>
        <translation>¡</translation>
    </message>
    <message>
        <source>keyboardRow2Pos15CapsFalseSymbolFalse</source>
        <translation>-</translation>
    </message>
    <message>
        <source>keyboardRow2Pos15CapsFalseSymbolTrue_</source>
        <translation>«</translation>
    </message>
    <message>
        <source>keyboardRow2Pos15CapsTrue_SymbolFalse</source>
        <translation>-</translation>
    </message>
    <message>
        <source>keyboardRow2Pos15CapsTrue_SymbolTrue_</source>
        <translation>«</translation>
    </message>
    <message>
        <source>keyboardRow2Pos16CapsFalseSymbolFalse</source>
        <translation>.</translation>
    </message>
    <message>
        <source>keyboardRow2Pos16CapsFalseSymbolTrue_</source>
        <translation>»</translation>
    </message>
    <message>
        <source>keyboardRow2Pos16CapsTrue_SymbolFalse</source>
        <translation>.</translation>
    </message>
    <message>
        <source>keyboardRow2Pos16CapsTrue_SymbolTrue_</source>
        <translation>»</translation>
    </message>
    <message>
        <source>keyboardRow2Pos17CapsFalseSymbolFalse</source>
        <translation>,</translation>
    </message>
    <message>
        <source>keyboardRow2Pos17CapsFalseSymbolTrue_</source>
        <translation>¤</translation>
    </message>
    <message>
        <source>keyboardRow2Pos17CapsTrue_SymbolFalse</source>
        <translation>,</translation>
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
    <name>view::ConfigureDateTimeViewManager</name>
    <message>
        <source>Time</source>
        <translation>Čas</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Weekstart</source>
        <translation>Začátek týdne</translation>
    </message>
    <message>
        <source>Erase calendar</source>
        <translation>Vymazat kalendář</translation>
    </message>
</context>
<context>
    <name>view::ConfigureDateTimeTimeViewManager</name>
    <message>
        <source>Time</source>
        <translation>Čas</translation>
    </message>
    <message>
        <source>Time format</source>
        <translation>Formát času</translation>
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
        <translation>Formát data</translation>
    </message>
    <message>
        <source>YY/MM/DD</source>
        <translation>RR/MM/DD</translation>
    </message>
    <message>
        <source>DD/MM/YY</source>
        <translation>DD/MM/RR</translation>
    </message>
    <message>
        <source>MM/DD/YY</source>
        <translation>MM/DD/RR</translation>
    </message>
</context>
<context>
    <name>view::ConfigureDateTimeWeekBeginViewManager</name>
    <message>
        <source>Monday</source>
        <translation>Pondělí</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Neděle</translation>
    </message>
</context>
<context>
    <name>view::ConfigureDateTimeEraseCalendarViewManager</name>
    <message>
        <source>Erase calendar</source>
        <translation>Vymazat kalendář</translation>
    </message>
</context>
<context>
    <name>DateTimeMenuPage</name>
    <message>
        <source>Date and time</source>
        <translation>Datum a čas</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Čas</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Weekstart</source>
        <translation>Začátek týdne</translation>
    </message>
    <message>
        <source>Erase calendar</source>
        <translation>Vymazat kalendář</translation>
    </message>
</context>
<context>
    <name>SetTimePage</name>
    <message>
        <source>Set time</source>
        <translation>Nastavit čas</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
</context>
<context>
    <name>SetDatePage</name>
    <message>
        <source>Set date</source>
        <translation>Nastavit datum</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
</context>
<context>
    <name>LanguagePage</name>
    <message>
        <source>Language</source>
        <translation>Jazyk</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
</context>
<context>
    <name>RegionPage</name>
    <message>
        <source>Region</source>
        <translation>Oblast</translation>
    </message>
    <message>
        <source>Choosing a region also sets its date format, time format, first day of the week and temperature unit.</source>
        <translation>Volbou oblasti se nastaví také formát data a času, první den týdne a jednotka teploty.</translation>
    </message>
</context>
<context>
    <name>UnitsPage</name>
    <message>
        <source>Units</source>
        <translation>Jednotky</translation>
    </message>
</context>
<context>
    <name>view::ConfigureGeneralDisplayViewManager</name>
    <message>
        <source>Never</source>
        <translation>Nikdy</translation>
    </message>
    <message>
        <source>15 seconds</source>
        <translation>15 sekund</translation>
    </message>
    <message>
        <source>30 seconds</source>
        <translation>30 sekund</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minuta</translation>
    </message>
    <message>
        <source>2 minutes</source>
        <translation>2 minuty</translation>
    </message>
    <message>
        <source>3 minutes</source>
        <translation>3 minuty</translation>
    </message>
    <message>
        <source>4 minutes</source>
        <translation>4 minuty</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 minut</translation>
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
        <translation>Severní Amerika</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Jiná</translation>
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
        <translation>Informace</translation>
    </message>
</context>
<context>
    <name>IdentifyBoardsPage</name>
    <message>
        <source>Identify RCB</source>
        <translation>Identifikace desek relé</translation>
    </message>
    <message>
        <source>Press a button to sound the buzzer of that relay control board.</source>
        <translation>Stisknutím tlačítka rozezníte bzučák příslušné desky relé.</translation>
    </message>
</context>
<context>
    <name>LicencePage</name>
    <message>
        <source>License Info</source>
        <translation>Licence</translation>
    </message>
</context>
<context>
    <name>LinuxComponentsPage</name>
    <message>
        <source>Libraries of this PC</source>
        <translation>Knihovny tohoto PC</translation>
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
        <translation>Knihovny tohoto PC</translation>
    </message>
    <message>
        <source>%1 control panel is designed using open source software components, which are subject to the copyrights of their authors.</source>
        <translation>Ovládací panel %1 je vytvořen s použitím softwarových komponent s otevřeným zdrojovým kódem, na které se vztahují autorská práva jejich autorů.</translation>
    </message>
    <message>
        <source>Component and license info is provided in english only, many licenses provide translations on their respective web site. Select component in the list below to see respective info.</source>
        <translation>Informace o komponentách a licencích jsou k dispozici pouze v angličtině, překlady mnoha licencí najdete na jejich webových stránkách. Informace o komponentě zobrazíte jejím výběrem v seznamu níže.</translation>
    </message>
    <message>
        <source>[The rest of the file is not shown.]</source>
        <translation>[Zbytek souboru není zobrazen.]</translation>
    </message>
    <message>
        <source>This</source>
        <translation>Tento</translation>
    </message>
</context>
<context>
    <name>view::ConfigureGeneralAboutViewManager</name>
    <message>
        <source>License Info</source>
        <translation>Licence</translation>
    </message>
    <message>
        <source>Identify RCB</source>
        <translation>Identifikace desek relé</translation>
    </message>
    <message>
        <source>PC Control Panel</source>
        <translation>Ovládací panel pro PC</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Verze softwaru</translation>
    </message>
    <message>
        <source>Instance</source>
        <translation>Instance</translation>
    </message>
    <message>
        <source>Control Panel</source>
        <translation>Ovládací panel</translation>
    </message>
    <message>
        <source>Facility Type</source>
        <translation>Typ provozu</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Systém</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Software</translation>
    </message>
    <message>
        <source>Node</source>
        <translation>Uzel</translation>
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
        <translation>Verze Zerededid</translation>
    </message>
    <message>
        <source>Supervised</source>
        <translation>S dohledem</translation>
    </message>
    <message>
        <source>Time Controlled</source>
        <translation>Časově řízený</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Soukromý</translation>
    </message>
    <message>
        <source>Public</source>
        <translation>Veřejný</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Neznámý</translation>
    </message>
    <message>
        <source> Lite</source>
        <translation> Lite</translation>
    </message>
    <message>
        <source>Relay Control Board</source>
        <translation>Deska relé</translation>
    </message>
    <message>
        <source>Temperature and Humidity Sensor</source>
        <translation>Čidlo teploty a vlhkosti</translation>
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
        <translation>Limity</translation>
    </message>
    <message>
        <source>Bath temperature</source>
        <translation>Teplota koupele</translation>
    </message>
    <message>
        <source>Highest bath temperature a user can set</source>
        <translation>Nejvyšší teplota koupele, kterou může uživatel nastavit</translation>
    </message>
    <message>
        <source>Water temperature</source>
        <translation>Teplota vody</translation>
    </message>
    <message>
        <source>Max water fill time</source>
        <translation>Max. doba plnění vodou</translation>
    </message>
    <message>
        <source>Overheating</source>
        <translation>Přehřátí</translation>
    </message>
    <message>
        <source>Control board</source>
        <translation>Řídicí deska</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Voda</translation>
    </message>
</context>
<context>
    <name>LimitEditorPage</name>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
</context>
<context>
    <name>NotAllowedStartPage</name>
    <message>
        <source>Not allowed start</source>
        <translation>Zákaz spuštění</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Od</translation>
    </message>
    <message>
        <source>Until</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
</context>
<context>
    <name>view::ConfigureLimitsViewManager</name>
    <message>
        <source>Bath temperature</source>
        <translation>Teplota koupele</translation>
    </message>
    <message>
        <source>Overheating</source>
        <translation>Přehřátí</translation>
    </message>
    <message>
        <source>Water temperature</source>
        <translation>Teplota vody</translation>
    </message>
    <message>
        <source>Not allowed start</source>
        <translation>Zákaz spuštění</translation>
    </message>
    <message>
        <source>Max water fill time</source>
        <translation>Max. doba plnění vodou</translation>
    </message>
</context>
<context>
    <name>view::ConfigureLimitsNotAllowedStartViewManager</name>
    <message>
        <source>Activate time limit</source>
        <translation>Aktivovat časové omezení</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Od</translation>
    </message>
    <message>
        <source>Until</source>
        <translation>Do</translation>
    </message>
</context>
<context>
    <name>AdvancedSettingsPage</name>
    <message>
        <source>Advanced settings</source>
        <translation>Pokročilá nastavení</translation>
    </message>
</context>
<context>
    <name>CleanupPage</name>
    <message>
        <source>Cleanup note</source>
        <translation>Upozornění na čištění</translation>
    </message>
    <message>
        <source>Time interval</source>
        <translation>Časový interval</translation>
    </message>
</context>
<context>
    <name>DurationEditorPage</name>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
</context>
<context>
    <name>ExternalSwitchPage</name>
    <message>
        <source>External switch</source>
        <translation>Externí spínač</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Funkce</translation>
    </message>
    <message>
        <source>Bath time</source>
        <translation>Doba koupele</translation>
    </message>
</context>
<context>
    <name>FanPage</name>
    <message>
        <source>Fan</source>
        <translation>Ventilátor</translation>
    </message>
    <message>
        <source>Running Time</source>
        <translation>Doba běhu</translation>
    </message>
</context>
<context>
    <name>StandbyPage</name>
    <message>
        <source>Temperature reduction</source>
        <translation>Snížení teploty</translation>
    </message>
    <message>
        <source>Tank standby temperature</source>
        <translation>Pohotovostní teplota nádrže</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
</context>
<context>
    <name>TankAutoEmptyingPage</name>
    <message>
        <source>Tank auto emptying</source>
        <translation>Automatické vypouštění nádrže</translation>
    </message>
    <message>
        <source>Time interval</source>
        <translation>Časový interval</translation>
    </message>
</context>
<context>
    <name>view::ConfigureAdvancedSettingsExtSwitchViewManager</name>
    <message>
        <source>Bath time</source>
        <translation>Doba koupele</translation>
    </message>
    <message>
        <source>Renew bath time</source>
        <translation>Obnovit dobu koupele</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>Zap./Vyp.</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>m</source>
        <translation>min</translation>
    </message>
</context>
<context>
    <name>view::ConfigureAdvancedSettingsFanViewManager</name>
    <message>
        <source>Running Time</source>
        <translation>Doba běhu</translation>
    </message>
</context>
<context>
    <name>view::ConfigureAdvancedSettingsStandbyViewManager</name>
    <message>
        <source>Enable</source>
        <translation>Povolit</translation>
    </message>
    <message>
        <source>Enable standby</source>
        <translation>Povolit pohotovost</translation>
    </message>
</context>
<context>
    <name>view::ConfigureAdvancedSettingsViewManager</name>
    <message>
        <source>External switch</source>
        <translation>Externí spínač</translation>
    </message>
    <message>
        <source>Fan</source>
        <translation>Ventilátor</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemCleanupViewManager</name>
    <message>
        <source>Enable</source>
        <translation>Povolit</translation>
    </message>
    <message>
        <source>Time interval</source>
        <translation>Časový interval</translation>
    </message>
    <message>
        <source>Tank Empty Notes</source>
        <translation>Upozornění na vypuštění nádrže</translation>
    </message>
    <message>
        <source>Cleanup&apos;s until now: %1</source>
        <translation>Dosud provedená čištění: %1</translation>
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
        <translation>Povolit</translation>
    </message>
    <message>
        <source>Time interval</source>
        <translation>Časový interval</translation>
    </message>
</context>
<context>
    <name>AuxDescalingPage</name>
    <message>
        <source>Start time</source>
        <translation>Čas spuštění</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Doba trvání</translation>
    </message>
    <message>
        <source>Dosage</source>
        <translation>Dávkování</translation>
    </message>
    <message>
        <source>ml</source>
        <translation>ml</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>Den v týdnu</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Opakování</translation>
    </message>
</context>
<context>
    <name>AuxFragrancePage</name>
    <message>
        <source>Pump</source>
        <translation>Čerpadlo</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Pauza</translation>
    </message>
</context>
<context>
    <name>AuxRelayPage</name>
    <message>
        <source>Function</source>
        <translation>Funkce</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Název</translation>
    </message>
</context>
<context>
    <name>AuxRelaysPage</name>
    <message>
        <source>Options</source>
        <translation>Příslušenství</translation>
    </message>
    <message>
        <source>Fragrance</source>
        <translation>Vůně</translation>
    </message>
    <message>
        <source>Descaling</source>
        <translation>Odvápnění</translation>
    </message>
</context>
<context>
    <name>BathPriorityPage</name>
    <message>
        <source>Bath type priority</source>
        <translation>Priorita typu koupele</translation>
    </message>
</context>
<context>
    <name>ErrorLogPage</name>
    <message>
        <source>Error log</source>
        <translation>Protokol chyb</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vymazat</translation>
    </message>
</context>
<context>
    <name>FacilityTypePage</name>
    <message>
        <source>Facility type</source>
        <translation>Typ provozu</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
</context>
<context>
    <name>FilterPage</name>
    <message>
        <source>Filter</source>
        <translation>Filtrování</translation>
    </message>
</context>
<context>
    <name>InitialSetup</name>
    <message>
        <source>Language</source>
        <translation>Jazyk</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Oblast</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Čas</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Setup after factory reset, step %1 of %2</source>
        <translation>Nastavení po obnovení továrních hodnot, krok %1 z %2</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Další</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hotovo</translation>
    </message>
</context>
<context>
    <name>IpConnectPage</name>
    <message>
        <source>IP detect</source>
        <translation>Hledání podle IP</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP adresa</translation>
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
        <translation>Síť</translation>
    </message>
    <message>
        <source>Sauna systems</source>
        <translation>Saunové systémy</translation>
    </message>
</context>
<context>
    <name>PauseTimerPage</name>
    <message>
        <source>Pause timer</source>
        <translation>Časovač přestávky</translation>
    </message>
</context>
<context>
    <name>PinEditorPage</name>
    <message>
        <source>Enter PIN</source>
        <translation>Zadejte PIN</translation>
    </message>
    <message>
        <source>PIN of the sauna system</source>
        <translation>PIN saunového systému</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
</context>
<context>
    <name>SaunaDetailsPage</name>
    <message>
        <source>System details</source>
        <translation>Podrobnosti systému</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Smazat</translation>
    </message>
</context>
<context>
    <name>StatusPage</name>
    <message>
        <source>Status</source>
        <translation>Stav</translation>
    </message>
</context>
<context>
    <name>SystemMenuPage</name>
    <message>
        <source>System</source>
        <translation>Systém</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemAuxDescalingViewManager</name>
    <message>
        <source>Enable</source>
        <translation>Povolit</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Čas spuštění</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Doba trvání</translation>
    </message>
    <message>
        <source>Dosage</source>
        <translation>Dávkování</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>Den v týdnu</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Naposledy</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Opakování</translation>
    </message>
    <message>
        <source>Every week</source>
        <translation>Každý týden</translation>
    </message>
    <message>
        <source>Every 2nd week</source>
        <translation>Každý 2. týden</translation>
    </message>
    <message>
        <source>Every 3rd week</source>
        <translation>Každý 3. týden</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Každý měsíc</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemAuxFragranceViewManager</name>
    <message>
        <source>Pump</source>
        <translation>Čerpadlo</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Pauza</translation>
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
        <translation>Nepoužívá se</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>Zap./Vyp.</translation>
    </message>
    <message>
        <source>Fragrance</source>
        <translation>Vůně</translation>
    </message>
    <message>
        <source>Descaling</source>
        <translation>Odvápnění</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemBathPriorityViewManager</name>
    <message>
        <source>Automatic</source>
        <translation>Automaticky</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Teplota</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Vlhkost</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemFacilityTypeViewManager</name>
    <message>
        <source>Private</source>
        <translation>Soukromý</translation>
    </message>
    <message>
        <source>Public</source>
        <translation>Veřejný</translation>
    </message>
    <message>
        <source>Time controlled</source>
        <translation>Časově řízený</translation>
    </message>
    <message>
        <source>Supervised</source>
        <translation>S dohledem</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemFactoryResetViewManager</name>
    <message>
        <source>Reset</source>
        <translation>Obnovit</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemFilterViewManager</name>
    <message>
        <source>Filter temperature</source>
        <translation>Filtrovat teplotu</translation>
    </message>
    <message>
        <source>Filter humidity</source>
        <translation>Filtrovat vlhkost</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemHapticFeedbackViewManager</name>
    <message>
        <source>Vibration</source>
        <translation>Vibrace</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemIrViewManager</name>
    <message>
        <source>Enable</source>
        <translation>Povolit</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemNetworkViewManager</name>
    <message>
        <source>IP detect</source>
        <translation>Hledání podle IP</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Systém</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>neznámá</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP adresa</translation>
    </message>
    <message>
        <source>Last announcement</source>
        <translation>Poslední ohlášení</translation>
    </message>
    <message>
        <source>none</source>
        <translation>žádné</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Enter PIN</source>
        <translation>Zadejte PIN</translation>
    </message>
    <message>
        <source>Detect</source>
        <translation>Vyhledat</translation>
    </message>
    <message>
        <source>The PIN must be 1 to 4 digits</source>
        <translation>PIN musí mít 1 až 4 číslice</translation>
    </message>
    <message>
        <source>Invalid IP address</source>
        <translation>Neplatná IP adresa</translation>
    </message>
    <message>
        <source>Invalid port</source>
        <translation>Neplatný port</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemPauseTimerViewManager</name>
    <message>
        <source>Reset pause timer</source>
        <translation>Vynulovat časovač přestávky</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemRelayViewManager</name>
    <message>
        <source>Regulator</source>
        <translation>Regulátor</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatický</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>Zap./Vyp.</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Dělený</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemStatusViewManager</name>
    <message>
        <source>PCB relays:</source>
        <translation>Relé na desce:</translation>
    </message>
    <message>
        <source>Clean-ups: %1</source>
        <translation>Počet čištění: %1</translation>
    </message>
    <message>
        <source>Room temperature: %1%2</source>
        <translation>Teplota v kabině: %1%2</translation>
    </message>
    <message>
        <source>Room humidity: %1%2</source>
        <translation>Vlhkost v kabině: %1%2</translation>
    </message>
    <message>
        <source>Magnetic contact: %1</source>
        <translation>Magnetický kontakt: %1</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Připojen</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Nepřipojen</translation>
    </message>
    <message>
        <source>primary</source>
        <translation>primární</translation>
    </message>
    <message>
        <source>secondary</source>
        <translation>sekundární</translation>
    </message>
    <message>
        <source>Water temperature%1: %2%3</source>
        <translation>Teplota vody%1: %2%3</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Nízká</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>Střední</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Vysoká</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Neznámá</translation>
    </message>
    <message>
        <source>Water level</source>
        <translation>Hladina vody</translation>
    </message>
    <message>
        <source>Smart Start Heat Ratio: %1%2</source>
        <translation>Smart Start – rychlost ohřevu: %1%2</translation>
    </message>
    <message>
        <source>/min</source>
        <translation>/min</translation>
    </message>
    <message>
        <source>Total runtime: %1%2</source>
        <translation>Celková doba provozu: %1%2</translation>
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
        <translation>Příslušenství</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Síť</translation>
    </message>
    <message>
        <source>Cleanup note</source>
        <translation>Upozornění na čištění</translation>
    </message>
    <message>
        <source>Tank auto emptying</source>
        <translation>Automatické vypouštění nádrže</translation>
    </message>
    <message>
        <source>Bath type priority</source>
        <translation>Priorita typu koupele</translation>
    </message>
    <message>
        <source>Pause timer</source>
        <translation>Časovač přestávky</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtrování</translation>
    </message>
    <message>
        <source>IR</source>
        <translation>IR</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stav</translation>
    </message>
    <message>
        <source>Error log</source>
        <translation>Protokol chyb</translation>
    </message>
    <message>
        <source>Facility type</source>
        <translation>Typ provozu</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemWiFiViewManager</name>
    <message>
        <source>Enable</source>
        <translation>Povolit</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Síť</translation>
    </message>
    <message>
        <source>External Units</source>
        <translation>Externí jednotky</translation>
    </message>
    <message>
        <source>WiFi Networks</source>
        <translation>Sítě Wi-Fi</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Vyhledat</translation>
    </message>
    <message>
        <source>No IP address found</source>
        <translation>IP adresa nebyla nalezena</translation>
    </message>
    <message>
        <source>IP address: %1</source>
        <translation>IP adresa: %1</translation>
    </message>
    <message>
        <source>IP addresses</source>
        <translation>IP adresy</translation>
    </message>
    <message>
        <source>Identity</source>
        <translation>Identita</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Heslo</translation>
    </message>
</context>
</TS>
