<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi_FI" sourcelanguage="en_GB">
<context>
    <name>CalendarPage</name>
    <message>
        <source>Calendar</source>
        <translation>Kalenteri</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Viikko</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Päivät</translation>
    </message>
    <message>
        <source>Queue</source>
        <translation>Jono</translation>
    </message>
    <message>
        <source>Date program</source>
        <translation>Päivämääräohjelma</translation>
    </message>
    <message>
        <source>Weekly program</source>
        <translation>Viikko-ohjelma</translation>
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
        <translation>Suosikki</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Nimeä uudelleen</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Lämpötila</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Kosteus</translation>
    </message>
    <message>
        <source>Edit bath time</source>
        <translation>Muokkaa kylpyaikaa</translation>
    </message>
    <message>
        <source>Bath time</source>
        <translation>Kylpyaika</translation>
    </message>
    <message>
        <source>Set bath time</source>
        <translation>Aseta kylpyaika</translation>
    </message>
    <message>
        <source>Lights</source>
        <translation>Valot</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Poista</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Tallenna</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Aloita</translation>
    </message>
</context>
<context>
    <name>FavoritesPage</name>
    <message>
        <source>Favorites</source>
        <translation>Suosikit</translation>
    </message>
    <message>
        <source>Save current settings as favorite</source>
        <translation>Tallenna asetukset suosikiksi</translation>
    </message>
</context>
<context>
    <name>GeneralMenuPage</name>
    <message>
        <source>General</source>
        <translation>Yleiset</translation>
    </message>
</context>
<context>
    <name>GenericListView</name>
    <message>
        <source>Nothing to show</source>
        <translation>Ei näytettävää</translation>
    </message>
</context>
<context>
    <name>HeaterSettingsPage</name>
    <message>
        <source>Heater settings</source>
        <translation>Kiukaan asetukset</translation>
    </message>
    <message>
        <source>Bath time</source>
        <translation>Kylpyaika</translation>
    </message>
    <message>
        <source>Save bath time</source>
        <translation>Tallenna kylpyaika</translation>
    </message>
    <message>
        <source>Fan</source>
        <translation>Tuuletin</translation>
    </message>
    <message>
        <source>Fan running</source>
        <translation>Tuuletin käy</translation>
    </message>
    <message>
        <source>Automatic fan</source>
        <translation>Automaattinen tuuletin</translation>
    </message>
    <message>
        <source>Runs with the heater</source>
        <translation>Toimii kiukaan kanssa</translation>
    </message>
    <message>
        <source>Auxiliary relays</source>
        <translation>Lisäreleet</translation>
    </message>
</context>
<context>
    <name>HumidityStepper</name>
    <message>
        <source>level</source>
        <translation>taso</translation>
    </message>
</context>
<context>
    <name>LightsTile</name>
    <message>
        <source>Lights</source>
        <translation>Valot</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Päällä</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Pois</translation>
    </message>
</context>
<context>
    <name>LockedControlPage</name>
    <message>
        <source>Target temperature</source>
        <translation>Tavoitelämpötila</translation>
    </message>
    <message>
        <source>Target humidity</source>
        <translation>Tavoitekosteus</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Avaa lukitus</translation>
    </message>
</context>
<context>
    <name>MainControlPage</name>
    <message>
        <source>Humidity %1</source>
        <translation>Kosteus %1</translation>
    </message>
    <message>
        <source>Humidity --</source>
        <translation>Kosteus --</translation>
    </message>
    <message>
        <source>Target temperature</source>
        <translation>Tavoitelämpötila</translation>
    </message>
    <message>
        <source>Target humidity</source>
        <translation>Tavoitekosteus</translation>
    </message>
    <message>
        <source>Bath time</source>
        <translation>Kylpyaika</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Aikaa jäljellä</translation>
    </message>
    <message>
        <source>Fan</source>
        <translation>Tuuletin</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Päällä</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Pois</translation>
    </message>
</context>
<context>
    <name>NotConnectedNotice</name>
    <message>
        <source>No sauna is connected. Connect one in Settings → Network.</source>
        <translation>Saunaa ei ole yhdistetty. Yhdistä sauna kohdassa Asetukset → Verkko.</translation>
    </message>
</context>
<context>
    <name>OnScreenKeyboard</name>
    <message>
        <source>At most %1 characters</source>
        <translation>Enintään %1 merkkiä</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Välilyönti</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Tallenna</translation>
    </message>
</context>
<context>
    <name>PinChangePage</name>
    <message>
        <source>Wrong PIN</source>
        <translation>Väärä PIN-koodi</translation>
    </message>
    <message>
        <source>Invalid PIN</source>
        <translation>Virheellinen PIN-koodi</translation>
    </message>
    <message>
        <source>The PINs do not match</source>
        <translation>PIN-koodit eivät täsmää</translation>
    </message>
    <message>
        <source>Change PIN</source>
        <translation>Vaihda PIN-koodi</translation>
    </message>
    <message>
        <source>Enter current PIN</source>
        <translation>Anna nykyinen PIN-koodi</translation>
    </message>
    <message>
        <source>Enter new PIN</source>
        <translation>Anna uusi PIN-koodi</translation>
    </message>
    <message>
        <source>Confirm new PIN</source>
        <translation>Vahvista uusi PIN-koodi</translation>
    </message>
</context>
<context>
    <name>PinEntryPage</name>
    <message>
        <source>Enter PIN</source>
        <translation>Syötä PIN-koodi</translation>
    </message>
    <message>
        <source>Wrong PIN</source>
        <translation>Väärä PIN-koodi</translation>
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
        <translation>Valmis</translation>
    </message>
    <message>
        <source>Set ready time</source>
        <translation>Aseta valmistumisaika</translation>
    </message>
    <message>
        <source>Custom settings</source>
        <translation>Mukautetut asetukset</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Lämpötila</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Kosteus</translation>
    </message>
    <message>
        <source>Stop after</source>
        <translation>Pysäytys kuluttua</translation>
    </message>
    <message>
        <source>Set stop time</source>
        <translation>Aseta pysäytysaika</translation>
    </message>
    <message>
        <source>Use custom settings</source>
        <translation>Käytä mukautettuja asetuksia</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Poista</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Tallenna</translation>
    </message>
    <message>
        <source>Start at</source>
        <translation>Aloitus</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Asetukset</translation>
    </message>
    <message>
        <source>Set start time</source>
        <translation>Aseta käynnistysaika</translation>
    </message>
    <message>
        <source>Set temperature</source>
        <translation>Aseta lämpötila</translation>
    </message>
    <message>
        <source>Set humidity</source>
        <translation>Aseta kosteus</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>PC Panel</source>
        <translation>PC-paneeli</translation>
    </message>
    <message>
        <source>Smart Phone</source>
        <translation>Älypuhelin</translation>
    </message>
    <message>
        <source>Tablet</source>
        <translation>Tabletti</translation>
    </message>
    <message>
        <source>Home Automation</source>
        <translation>Kotiautomaatio</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Muu</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Tuntematon</translation>
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
        <translation>Kombi, käsikäyttö</translation>
    </message>
    <message>
        <source>Combi automatic</source>
        <translation>Kombi, automaattinen</translation>
    </message>
    <message>
        <source>Steam private</source>
        <translation>Höyry, yksityinen</translation>
    </message>
    <message>
        <source>Steam private auto</source>
        <translation>Höyry, yksityinen automaattinen</translation>
    </message>
    <message>
        <source>Steam public</source>
        <translation>Höyry, julkinen</translation>
    </message>
    <message>
        <source>Steam public/private Manual Empty</source>
        <translation>Höyry, julkinen/yksityinen, käsityhjennys</translation>
    </message>
    <message>
        <source>Sauna box addon</source>
        <translation>Saunan lisäyksikkö</translation>
    </message>
    <message>
        <source>Sauna</source>
        <translation>Sauna</translation>
    </message>
    <message>
        <source>Sauna Low</source>
        <translation>Sauna, matala</translation>
    </message>
    <message>
        <source>Sauna IR</source>
        <translation>Infrapunasauna</translation>
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
        <translation>Määrittelemätön</translation>
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
        <translation>K9 (ei WiFi)</translation>
    </message>
    <message>
        <source>Vertex (no Wifi)</source>
        <translation>Vertex (ei WiFi)</translation>
    </message>
    <message>
        <source>Fell</source>
        <translation>Fell</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>maanantai</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>tiistai</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>keskiviikko</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>torstai</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>perjantai</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>lauantai</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>sunnuntai</translation>
    </message>
    <message>
        <source>plural_Mondays</source>
        <translation>Maanantaisin</translation>
    </message>
    <message>
        <source>plural_Tuesdays</source>
        <translation>Tiistaisin</translation>
    </message>
    <message>
        <source>plural_Wednesdays</source>
        <translation>Keskiviikkoisin</translation>
    </message>
    <message>
        <source>plural_Thursdays</source>
        <translation>Torstaisin</translation>
    </message>
    <message>
        <source>plural_Fridays</source>
        <translation>Perjantaisin</translation>
    </message>
    <message>
        <source>plural_Saturdays</source>
        <translation>Lauantaisin</translation>
    </message>
    <message>
        <source>plural_Sundays</source>
        <translation>Sunnuntaisin</translation>
    </message>
    <message>
        <source>long_form_January</source>
        <translation>Tammikuu</translation>
    </message>
    <message>
        <source>long_form_February</source>
        <translation>Helmikuu</translation>
    </message>
    <message>
        <source>long_form_March</source>
        <translation>Maaliskuu</translation>
    </message>
    <message>
        <source>long_form_April</source>
        <translation>Huhtikuu</translation>
    </message>
    <message>
        <source>long_form_May</source>
        <translation>Toukokuu</translation>
    </message>
    <message>
        <source>long_form_June</source>
        <translation>Kesäkuu</translation>
    </message>
    <message>
        <source>long_form_July</source>
        <translation>Heinäkuu</translation>
    </message>
    <message>
        <source>long_form_August</source>
        <translation>Elokuu</translation>
    </message>
    <message>
        <source>long_form_September</source>
        <translation>Syyskuu</translation>
    </message>
    <message>
        <source>long_form_October</source>
        <translation>Lokakuu</translation>
    </message>
    <message>
        <source>long_form_November</source>
        <translation>Marraskuu</translation>
    </message>
    <message>
        <source>long_form_December</source>
        <translation>Joulukuu</translation>
    </message>
    <message>
        <source>short_form_January</source>
        <translation>tammi</translation>
    </message>
    <message>
        <source>short_form_February</source>
        <translation>helmi</translation>
    </message>
    <message>
        <source>short_form_March</source>
        <translation>maalis</translation>
    </message>
    <message>
        <source>short_form_April</source>
        <translation>huhti</translation>
    </message>
    <message>
        <source>short_form_May</source>
        <translation>touko</translation>
    </message>
    <message>
        <source>short_form_June</source>
        <translation>kesä</translation>
    </message>
    <message>
        <source>short_form_July</source>
        <translation>heinä</translation>
    </message>
    <message>
        <source>short_form_August</source>
        <translation>elo</translation>
    </message>
    <message>
        <source>short_form_September</source>
        <translation>syys</translation>
    </message>
    <message>
        <source>short_form_October</source>
        <translation>loka</translation>
    </message>
    <message>
        <source>short_form_November</source>
        <translation>marras</translation>
    </message>
    <message>
        <source>short_form_December</source>
        <translation>joulu</translation>
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
        <translation>Määrittelemätön rele</translation>
    </message>
    <message>
        <source>Aux %1</source>
        <translation>Lisärele %1</translation>
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
        <translation>Kyllä</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ei</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Virhe</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Tiedote</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Virta</translation>
    </message>
    <message>
        <source>Lighting</source>
        <translation>Valaistus</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Lämpötila</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Kosteus</translation>
    </message>
    <message>
        <source>IR</source>
        <translation>IR</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Tila</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Asetukset</translation>
    </message>
    <message>
        <source>Ready at</source>
        <translation>Valmis</translation>
    </message>
    <message>
        <source>Start at</source>
        <translation>Aloitus</translation>
    </message>
    <message>
        <source>Stop after</source>
        <translation>Pysäytys kuluttua</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Mukautettu</translation>
    </message>
    <message>
        <source>Favorite</source>
        <translation>Suosikki</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Tänään</translation>
    </message>
    <message>
        <source>Bath</source>
        <translation>Kylpy</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>Valmiustila</translation>
    </message>
    <message>
        <source>Warm Start</source>
        <translation>Lämmin käynnistys</translation>
    </message>
    <message>
        <source>Current Settings</source>
        <translation>Nykyiset asetukset</translation>
    </message>
    <message>
        <source>Delayed start</source>
        <translation>Viivästetty käynnistys</translation>
    </message>
    <message>
        <source>delayed start</source>
        <translation>viivästetty käynnistys</translation>
    </message>
    <message>
        <source>date calendar program</source>
        <translation>päivämääräohjelma</translation>
    </message>
    <message>
        <source>weekday calendar program</source>
        <translation>viikonpäiväohjelma</translation>
    </message>
    <message>
        <source>ml</source>
        <translation>ml</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Päällä</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Pois</translation>
    </message>
    <message>
        <source>Standard network</source>
        <translation>Vakioverkko</translation>
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
        <translation>Tuntematon käyttäjäviestin tunnus %1 (0x%2)</translation>
    </message>
    <message>
        <source>Primary</source>
        <translation>Ensisijainen</translation>
    </message>
    <message>
        <source>Secondary</source>
        <translation>Toissijainen</translation>
    </message>
    <message>
        <source>Descaling</source>
        <translation>Kalkinpoisto</translation>
    </message>
    <message>
        <source>Auto connect</source>
        <translation>Yhdistä automaattisesti</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Yhdistä</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Katkaise yhteys</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Päivitä</translation>
    </message>
</context>
<context>
    <name>SaunaStatus</name>
    <message>
        <source>level</source>
        <translation>taso</translation>
    </message>
    <message>
        <source>Heating</source>
        <translation>Lämmitys</translation>
    </message>
    <message>
        <source>Drying</source>
        <translation>Kuivatus</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>Valmiustila</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <translation>Puhdistus</translation>
    </message>
    <message>
        <source>Descaling</source>
        <translation>Kalkinpoisto</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Pois</translation>
    </message>
</context>
<context>
    <name>SettingsFrame</name>
    <message>
        <source>System</source>
        <translation>Järjestelmä</translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>Rajat</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Yleiset</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Päivämäärä ja aika</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <translation>Lisäasetukset</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Verkko</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Asetukset</translation>
    </message>
</context>
<context>
    <name>TemperatureDial</name>
    <message>
        <source>Room</source>
        <translation>Huone</translation>
    </message>
    <message>
        <source>Target %1</source>
        <translation>Tavoite %1</translation>
    </message>
</context>
<context>
    <name>WeekProgramsPage</name>
    <message>
        <source>Weekly programs active</source>
        <translation>Viikko-ohjelmat käytössä</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Name of the favorite</source>
        <translation>Suosikin nimi</translation>
    </message>
    <message>
        <source>Name of the relay</source>
        <translation>Releen nimi</translation>
    </message>
    <message>
        <source>Sauna</source>
        <translation>Sauna</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Suosikit</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalenteri</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Asetukset</translation>
    </message>
</context>
<context>
    <name>main_startup_screen</name>
    <message>
        <source>PC Control Panel</source>
        <translation>PC-ohjauspaneeli</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Käynnistyy…</translation>
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
        <translation>%1 - %2 (yhteys katkennut)</translation>
    </message>
</context>
<context>
    <name>view::ConfigureGeneralPinViewManager</name>
    <message>
        <source>Activate PIN</source>
        <translation>Ota PIN-koodi käyttöön</translation>
    </message>
    <message>
        <source>Change PIN</source>
        <translation>Vaihda PIN-koodi</translation>
    </message>
    <message>
        <source>Controls on lockscreen</source>
        <translation>Säätimet lukitusnäytöllä</translation>
    </message>
</context>
<context>
    <name>view::ConfigureGeneralViewManager</name>
    <message>
        <source>About</source>
        <translation>Tietoja</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Kieli</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Alue</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Yksiköt</translation>
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
        <translation>Ei virhettä</translation>
    </message>
    <message>
        <source>Room temperature sensor not connected or malfunctioning</source>
        <translation>Huonelämpötila-anturia ei ole kytketty tai se on viallinen</translation>
    </message>
    <message>
        <source>Steam tank temperature sensor not connected or malfunctioning</source>
        <translation>Höyrysäiliön lämpötila-anturia ei ole kytketty tai se on viallinen</translation>
    </message>
    <message>
        <source>Relay Control Box PCB has overheated</source>
        <translation>Relekortti on ylikuumentunut</translation>
    </message>
    <message>
        <source>Electrode short circuit</source>
        <translation>Elektrodien oikosulku</translation>
    </message>
    <message>
        <source>Steamtank overfill. Level electrodes malfunction.</source>
        <translation>Höyrysäiliön ylitäyttö. Pintaelektrodit ovat viallisia.</translation>
    </message>
    <message>
        <source>Contact lost with Zerededid node of node profile Control Panel Home</source>
        <translation>Yhteys Zerededid-solmuun (profiili: kodin ohjauspaneeli) katkesi</translation>
    </message>
    <message>
        <source>Contact lost with Zerededid node of node profile Temperature/Humidity Sensor</source>
        <translation>Yhteys Zerededid-solmuun (profiili: lämpötila-/kosteusanturi) katkesi</translation>
    </message>
    <message>
        <source>Steam tank has overheated</source>
        <translation>Höyrysäiliö on ylikuumentunut</translation>
    </message>
    <message>
        <source>Real-time clock (RTC) communication failure</source>
        <translation>Reaaliaikakellon (RTC) tiedonsiirtovirhe</translation>
    </message>
    <message>
        <source>Communication with addon card lost.</source>
        <translation>Yhteys lisäkorttiin katkesi.</translation>
    </message>
    <message>
        <source>Emptying of water in steam tank failure. Turn off power and do service.</source>
        <translation>Höyrysäiliön tyhjennys epäonnistui. Katkaise virta ja huolla laite.</translation>
    </message>
    <message>
        <source>Level electrodes steam tank out of service, interruption mid</source>
        <translation>Höyrysäiliön pintaelektrodit eivät toimi, keskielektrodin katkos</translation>
    </message>
    <message>
        <source>Zerededid connected humidity sensor malfunctioning</source>
        <translation>Zerededid-väylään kytketty kosteusanturi on viallinen</translation>
    </message>
    <message>
        <source>Zerededid connected temperature sensor malfunctioning</source>
        <translation>Zerededid-väylään kytketty lämpötila-anturi on viallinen</translation>
    </message>
    <message>
        <source>Contact lost with Zerededid node of node profile Relay Control Board</source>
        <translation>Yhteys Zerededid-solmuun (profiili: relekortti) katkesi</translation>
    </message>
    <message>
        <source>High temperature limit control have trip out, must be reset</source>
        <translation>Ylilämpösuoja on lauennut, se on kuitattava</translation>
    </message>
    <message>
        <source>Room temperature sensor overheated</source>
        <translation>Huonelämpötila-anturi on ylikuumentunut</translation>
    </message>
    <message>
        <source>Too many units connected</source>
        <translation>Liian monta laitetta kytketty</translation>
    </message>
    <message>
        <source>The door has been open for more than the allowed time. Ongoing bath cancelled.</source>
        <translation>Ovi on ollut auki sallittua kauemmin. Käynnissä oleva kylpy keskeytettiin.</translation>
    </message>
    <message>
        <source>Magnetic contact open more than 60 seconds since last bath</source>
        <translation>Ovikytkin on ollut auki yli 60 sekuntia edellisen kylvyn jälkeen</translation>
    </message>
</context>
<context>
    <name>view::details::UserMessageFunctions</name>
    <message>
        <source>Weekday calendar program collision detected</source>
        <translation>Viikonpäiväohjelmat menevät päällekkäin</translation>
    </message>
    <message>
        <source>Date calendar program collision detected</source>
        <translation>Päivämääräohjelmat menevät päällekkäin</translation>
    </message>
    <message>
        <source>Bathtime limit exceeded. Start will be allowed at %1</source>
        <translation>Kylpyajan raja ylittyi. Käynnistys sallitaan klo %1</translation>
    </message>
    <message>
        <source>Operation not possible, blocked by not allowed start</source>
        <translation>Toiminto ei ole mahdollinen, käynnistyksen estoaika on voimassa</translation>
    </message>
    <message>
        <source>Tank emptying has started, operation is possible when draining is complete</source>
        <translation>Säiliön tyhjennys on alkanut, toiminto on mahdollinen tyhjennyksen päätyttyä</translation>
    </message>
    <message>
        <source>Perform control/clean of tank</source>
        <translation>Tarkasta ja puhdista säiliö</translation>
    </message>
    <message>
        <source>Check sauna before next start</source>
        <translation>Tarkasta sauna ennen seuraavaa käynnistystä</translation>
    </message>
    <message>
        <source>Fault, tank emptying has started</source>
        <translation>Vika, säiliön tyhjennys on alkanut</translation>
    </message>
    <message>
        <source>Descaling has started, operation not possible</source>
        <translation>Kalkinpoisto on käynnissä, toiminto ei ole mahdollinen</translation>
    </message>
    <message>
        <source>Descaling completed</source>
        <translation>Kalkinpoisto on valmis</translation>
    </message>
    <message>
        <source>Water in tank</source>
        <translation>Säiliössä on vettä</translation>
    </message>
    <message>
        <source>Manual tank emptying should be performed</source>
        <translation>Säiliö on tyhjennettävä käsin</translation>
    </message>
    <message>
        <source>Standby operation is no longer possible in the system due to tank sensor error</source>
        <translation>Valmiustila ei ole enää mahdollinen säiliön anturivian vuoksi</translation>
    </message>
    <message>
        <source>Has cleanup been performed?</source>
        <translation>Onko puhdistus tehty?</translation>
    </message>
    <message>
        <source>No humidity sensor detected. Steam not allowed.</source>
        <translation>Kosteusanturia ei havaittu. Höyry ei ole sallittu.</translation>
    </message>
    <message>
        <source>Automatic tank emptying interval has started. Reduced steam.</source>
        <translation>Säiliön automaattinen tyhjennysjakso on alkanut. Höyryntuotto on pienempi.</translation>
    </message>
    <message>
        <source>Automatic tank emptying has started. Operation will resume.</source>
        <translation>Säiliön automaattinen tyhjennys on alkanut. Toiminta jatkuu sen jälkeen.</translation>
    </message>
    <message>
        <source>Communication with addon card lost.</source>
        <translation>Yhteys lisäkorttiin katkesi.</translation>
    </message>
    <message>
        <source>Room temperature too high. Steam production paused temporarily.</source>
        <translation>Huonelämpötila on liian korkea. Höyryntuotto on tauolla.</translation>
    </message>
    <message>
        <source>Not implemented</source>
        <translation>Ei toteutettu</translation>
    </message>
    <message>
        <source>No free %1</source>
        <translation>Ei vapaita: %1</translation>
    </message>
    <message>
        <source>No free favorites posts available</source>
        <translation>Vapaita suosikkipaikkoja ei ole</translation>
    </message>
    <message>
        <source>A favorite post with specified name already exists</source>
        <translation>Samanniminen suosikki on jo olemassa</translation>
    </message>
    <message>
        <source>A favorite post named %1 already exists. Overwrite?</source>
        <translation>Suosikki nimeltä %1 on jo olemassa. Korvataanko?</translation>
    </message>
    <message>
        <source>Confirm favorite delete?</source>
        <translation>Poistetaanko suosikki?</translation>
    </message>
    <message>
        <source>No contact with control board</source>
        <translation>Ei yhteyttä ohjauskorttiin</translation>
    </message>
    <message>
        <source>Confirm clear calendar</source>
        <translation>Tyhjennetäänkö kalenteri?</translation>
    </message>
    <message>
        <source>Time to ready at less than estimated heating time %1 minutes. Use anyway?</source>
        <translation>Aikaa valmistumiseen on vähemmän kuin arvioitu lämmitysaika %1 minuuttia. Käytetäänkö silti?</translation>
    </message>
    <message>
        <source>Time to ready at less than heating time %1 minutes estimated from factory settings. Heating time will be calibrated at use. Use anyway?</source>
        <translation>Aikaa valmistumiseen on vähemmän kuin tehdasasetusten mukainen lämmitysaika %1 minuuttia. Lämmitysaika kalibroidaan käytön aikana. Käytetäänkö silti?</translation>
    </message>
    <message>
        <source>No door switch magnetic sensor connected</source>
        <translation>Oven magneettikytkintä ei ole kytketty</translation>
    </message>
    <message>
        <source>Delayed start program edited from other panel</source>
        <translation>Viivästettyä käynnistystä muokattiin toisesta paneelista</translation>
    </message>
    <message>
        <source>Weekday calendar program edited from other panel</source>
        <translation>Viikonpäiväohjelmaa muokattiin toisesta paneelista</translation>
    </message>
    <message>
        <source>Date calendar program edited from other panel</source>
        <translation>Päivämääräohjelmaa muokattiin toisesta paneelista</translation>
    </message>
    <message>
        <source>No free time gap for new post</source>
        <translation>Uudelle ohjelmalle ei ole vapaata aikaväliä</translation>
    </message>
    <message>
        <source>Favorite post edited from other panel</source>
        <translation>Suosikkia muokattiin toisesta paneelista</translation>
    </message>
    <message>
        <source>Calendar programs affected by favorite change: %1</source>
        <translation>Suosikin muutos vaikuttaa kalenteriohjelmiin: %1</translation>
    </message>
    <message>
        <source>Confirm delete of %1?</source>
        <translation>Poistetaanko %1?</translation>
    </message>
    <message>
        <source>Display will turn OFF due to inactivity (display sleep timer)</source>
        <translation>Näyttö sammuu käyttämättömyyden vuoksi (näytön lepoajastin)</translation>
    </message>
    <message>
        <source>Error switching to new language, old will be kept</source>
        <translation>Kielen vaihtaminen epäonnistui, aiempi kieli säilyy</translation>
    </message>
    <message>
        <source>Internal software error detected file %1 line %2: %3</source>
        <translation>Sisäinen ohjelmistovirhe, tiedosto %1 rivi %2: %3</translation>
    </message>
    <message>
        <source>File not found %1</source>
        <translation>Tiedostoa ei löytynyt: %1</translation>
    </message>
    <message>
        <source>Key/translation error %1</source>
        <translation>Avain- tai käännösvirhe: %1</translation>
    </message>
    <message>
        <source>Sauna pause timer has been reset</source>
        <translation>Saunan taukoajastin on nollattu</translation>
    </message>
    <message>
        <source>Sauna not allowed start, %2, conflicts with %1. Save anyway?</source>
        <translation>Saunan käynnistyksen estoaika %2 on ristiriidassa ohjelman %1 kanssa. Tallennetaanko silti?</translation>
    </message>
    <message>
        <source>Sauna not allowed start, %2, may conflict with %1. Save anyway?</source>
        <translation>Saunan käynnistyksen estoaika %2 voi olla ristiriidassa saunan käyntiajan %1 kanssa. Tallennetaanko silti?</translation>
    </message>
    <message>
        <source>Confirm factory reset?</source>
        <translation>Palautetaanko tehdasasetukset?</translation>
    </message>
    <message>
        <source>PIN code changed</source>
        <translation>PIN-koodi vaihdettu</translation>
    </message>
    <message>
        <source>Date and time are not correct, reenter</source>
        <translation>Päivämäärä ja aika ovat virheelliset, syötä uudelleen</translation>
    </message>
    <message>
        <source>Confirm delete of system</source>
        <translation>Poistetaanko järjestelmä?</translation>
    </message>
    <message>
        <source>Connected to system %1</source>
        <translation>Yhdistetty järjestelmään %1</translation>
    </message>
    <message>
        <source>Connect to system %1 failed, incorrect PIN</source>
        <translation>Yhdistäminen järjestelmään %1 epäonnistui, väärä PIN-koodi</translation>
    </message>
    <message>
        <source>Connect to system %1 failed, compatibility - update PC panel</source>
        <translation>Yhdistäminen järjestelmään %1 epäonnistui, yhteensopivuus – päivitä PC-paneeli</translation>
    </message>
    <message>
        <source>Connect to system %1 failed</source>
        <translation>Yhdistäminen järjestelmään %1 epäonnistui</translation>
    </message>
    <message>
        <source>Confirm forget of WiFi network %1</source>
        <translation>Unohdetaanko WiFi-verkko %1?</translation>
    </message>
    <message>
        <source>Favorite name contains unsupported characters: %1</source>
        <translation>Suosikin nimessä on merkkejä, joita ei tueta: %1</translation>
    </message>
    <message>
        <source>Auxiliary relay name contains unsupported characters: %1</source>
        <translation>Lisäreleen nimessä on merkkejä, joita ei tueta: %1</translation>
    </message>
    <message>
        <source>Descaling running</source>
        <translation>Kalkinpoisto käynnissä</translation>
    </message>
    <message>
        <source>Connection to system %1 lost</source>
        <translation>Yhteys järjestelmään %1 katkesi</translation>
    </message>
    <message>
        <source>No response from system %1</source>
        <translation>Järjestelmä %1 ei vastaa</translation>
    </message>
    <message>
        <source>Retriveing data from system %1</source>
        <translation>Haetaan tietoja järjestelmästä %1</translation>
    </message>
    <message>
        <source>Detecting system on IP adress %1...</source>
        <translation>Etsitään järjestelmää IP-osoitteesta %1...</translation>
    </message>
    <message>
        <source>No system found on IP adress %1</source>
        <translation>IP-osoitteesta %1 ei löytynyt järjestelmää</translation>
    </message>
    <message>
        <source>Port %1 used, using fallback announcement</source>
        <translation>Portti %1 on varattu, käytetään varailmoitusta</translation>
    </message>
    <message>
        <source>Connected to network %1</source>
        <translation>Yhdistetty verkkoon %1</translation>
    </message>
    <message>
        <source>Connect to network %1 failed: %2</source>
        <translation>Yhdistäminen verkkoon %1 epäonnistui: %2</translation>
    </message>
    <message>
        <source>Connect to system %1 failed, no door switch magnetic sensor connected</source>
        <translation>Yhdistäminen järjestelmään %1 epäonnistui, oven magneettikytkintä ei ole kytketty</translation>
    </message>
    <message>
        <source>Password contains national/special characters which are unlikely to work as WiFi password : %1</source>
        <translation>Salasanassa on kansallisia tai erikoismerkkejä, jotka eivät todennäköisesti toimi WiFi-salasanassa: %1</translation>
    </message>
    <message>
        <source>Panel settings reset. The control board and the Wi-Fi settings were not reset. The program closes in 5 seconds.</source>
        <translation>Paneelin asetukset palautettu. Ohjauskorttia ja WiFi-asetuksia ei palautettu. Ohjelma sulkeutuu 5 sekunnin kuluttua.</translation>
    </message>
    <message>
        <source>The settings file was damaged and has been repaired; settings on damaged lines may be lost. The damaged file was copied to %1</source>
        <translation>Asetustiedosto oli vioittunut, ja se on korjattu; vioittuneilla riveillä olleet asetukset ovat voineet kadota. Vioittunut tiedosto kopioitiin kohteeseen %1</translation>
    </message>
    <message>
        <source>The settings cannot be saved. Changes will not be kept when the program closes.</source>
        <translation>Asetuksia ei voi tallentaa. Muutokset eivät säily, kun ohjelma suljetaan.</translation>
    </message>
    <message>
        <source>Save the changes to favorite %1?</source>
        <translation>Tallennetaanko suosikin %1 muutokset?</translation>
    </message>
    <message>
        <source>System found on IP address %1</source>
        <translation>IP-osoitteesta %1 löytyi järjestelmä</translation>
    </message>
    <message>
        <source>Another system (%1) answered at the address of %2. The panel does not connect to it.</source>
        <translation>Toinen järjestelmä (%1) vastasi järjestelmän %2 osoitteessa. Paneeli ei yhdisty siihen.</translation>
    </message>
    <message>
        <source>Save the changes to calendar program %1?</source>
        <translation>Tallennetaanko kalenteriohjelman %1 muutokset?</translation>
    </message>
    <message>
        <source>The PIN lock is on. The panel unlocks with PIN %1. To set another PIN, use Change PIN.</source>
        <translation>PIN-lukitus on käytössä. Paneelin lukitus avataan PIN-koodilla %1. Toisen PIN-koodin voit asettaa kohdasta Vaihda PIN-koodi.</translation>
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
        <translation>Rajat</translation>
    </message>
    <message>
        <source>Bath temperature</source>
        <translation>Kylpylämpötila</translation>
    </message>
    <message>
        <source>Highest bath temperature a user can set</source>
        <translation>Korkein käyttäjän asetettavissa oleva kylpylämpötila</translation>
    </message>
    <message>
        <source>Water temperature</source>
        <translation>Veden lämpötila</translation>
    </message>
    <message>
        <source>Max water fill time</source>
        <translation>Maks. täyttöaika</translation>
    </message>
    <message>
        <source>Overheating</source>
        <translation>Ylikuumeneminen</translation>
    </message>
    <message>
        <source>Control board</source>
        <translation>Ohjauskortti</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Vesi</translation>
    </message>
</context>
<context>
    <name>LimitEditorPage</name>
    <message>
        <source>Save</source>
        <translation>Tallenna</translation>
    </message>
</context>
<context>
    <name>NotAllowedStartPage</name>
    <message>
        <source>Not allowed start</source>
        <translation>Estetty käynnistys</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Alkaen</translation>
    </message>
    <message>
        <source>Until</source>
        <translation>Asti</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Tallenna</translation>
    </message>
</context>
<context>
    <name>view::ConfigureLimitsViewManager</name>
    <message>
        <source>Bath temperature</source>
        <translation>Kylpylämpötila</translation>
    </message>
    <message>
        <source>Overheating</source>
        <translation>Ylikuumeneminen</translation>
    </message>
    <message>
        <source>Water temperature</source>
        <translation>Veden lämpötila</translation>
    </message>
    <message>
        <source>Not allowed start</source>
        <translation>Estetty käynnistys</translation>
    </message>
    <message>
        <source>Max water fill time</source>
        <translation>Maks. täyttöaika</translation>
    </message>
</context>
<context>
    <name>view::ConfigureLimitsNotAllowedStartViewManager</name>
    <message>
        <source>Activate time limit</source>
        <translation>Ota aikaraja käyttöön</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Alkaen</translation>
    </message>
    <message>
        <source>Until</source>
        <translation>Asti</translation>
    </message>
</context>
<context>
    <name>view::ConfigureDateTimeViewManager</name>
    <message>
        <source>Time</source>
        <translation>Aika</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Päivämäärä</translation>
    </message>
    <message>
        <source>Weekstart</source>
        <translation>Viikon alku</translation>
    </message>
    <message>
        <source>Erase calendar</source>
        <translation>Tyhjennä kalenteri</translation>
    </message>
</context>
<context>
    <name>view::ConfigureDateTimeTimeViewManager</name>
    <message>
        <source>Time</source>
        <translation>Aika</translation>
    </message>
    <message>
        <source>Time format</source>
        <translation>Ajan muoto</translation>
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
        <translation>Päivämäärä</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Päivämäärän muoto</translation>
    </message>
    <message>
        <source>YY/MM/DD</source>
        <translation>VV/KK/PP</translation>
    </message>
    <message>
        <source>DD/MM/YY</source>
        <translation>PP/KK/VV</translation>
    </message>
    <message>
        <source>MM/DD/YY</source>
        <translation>KK/PP/VV</translation>
    </message>
</context>
<context>
    <name>view::ConfigureDateTimeWeekBeginViewManager</name>
    <message>
        <source>Monday</source>
        <translation>Maanantai</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sunnuntai</translation>
    </message>
</context>
<context>
    <name>view::ConfigureDateTimeEraseCalendarViewManager</name>
    <message>
        <source>Erase calendar</source>
        <translation>Tyhjennä kalenteri</translation>
    </message>
</context>
<context>
    <name>DateTimeMenuPage</name>
    <message>
        <source>Date and time</source>
        <translation>Päivämäärä ja aika</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Aika</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Päivämäärä</translation>
    </message>
    <message>
        <source>Weekstart</source>
        <translation>Viikon alku</translation>
    </message>
    <message>
        <source>Erase calendar</source>
        <translation>Tyhjennä kalenteri</translation>
    </message>
</context>
<context>
    <name>SetTimePage</name>
    <message>
        <source>Set time</source>
        <translation>Aseta aika</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Tallenna</translation>
    </message>
</context>
<context>
    <name>SetDatePage</name>
    <message>
        <source>Set date</source>
        <translation>Aseta päivämäärä</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Tallenna</translation>
    </message>
</context>
<context>
    <name>AdvancedSettingsPage</name>
    <message>
        <source>Advanced settings</source>
        <translation>Lisäasetukset</translation>
    </message>
</context>
<context>
    <name>CleanupPage</name>
    <message>
        <source>Cleanup note</source>
        <translation>Puhdistusmuistutus</translation>
    </message>
    <message>
        <source>Time interval</source>
        <translation>Aikaväli</translation>
    </message>
</context>
<context>
    <name>DurationEditorPage</name>
    <message>
        <source>Save</source>
        <translation>Tallenna</translation>
    </message>
</context>
<context>
    <name>ExternalSwitchPage</name>
    <message>
        <source>External switch</source>
        <translation>Ulkoinen kytkin</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Toiminto</translation>
    </message>
    <message>
        <source>Bath time</source>
        <translation>Kylpyaika</translation>
    </message>
</context>
<context>
    <name>FanPage</name>
    <message>
        <source>Fan</source>
        <translation>Tuuletin</translation>
    </message>
    <message>
        <source>Running Time</source>
        <translation>Käyntiaika</translation>
    </message>
</context>
<context>
    <name>StandbyPage</name>
    <message>
        <source>Temperature reduction</source>
        <translation>Lämpötilan lasku</translation>
    </message>
    <message>
        <source>Tank standby temperature</source>
        <translation>Säiliön valmiuslämpötila</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Tallenna</translation>
    </message>
</context>
<context>
    <name>TankAutoEmptyingPage</name>
    <message>
        <source>Tank auto emptying</source>
        <translation>Säiliön autotyhjennys</translation>
    </message>
    <message>
        <source>Time interval</source>
        <translation>Aikaväli</translation>
    </message>
</context>
<context>
    <name>view::ConfigureAdvancedSettingsExtSwitchViewManager</name>
    <message>
        <source>Bath time</source>
        <translation>Kylpyaika</translation>
    </message>
    <message>
        <source>Renew bath time</source>
        <translation>Uusi kylpyaika</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>Päälle/Pois</translation>
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
        <translation>Käyntiaika</translation>
    </message>
</context>
<context>
    <name>view::ConfigureAdvancedSettingsStandbyViewManager</name>
    <message>
        <source>Enable</source>
        <translation>Ota käyttöön</translation>
    </message>
    <message>
        <source>Enable standby</source>
        <translation>Ota valmiustila käyttöön</translation>
    </message>
</context>
<context>
    <name>view::ConfigureAdvancedSettingsViewManager</name>
    <message>
        <source>External switch</source>
        <translation>Ulkoinen kytkin</translation>
    </message>
    <message>
        <source>Fan</source>
        <translation>Tuuletin</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemCleanupViewManager</name>
    <message>
        <source>Enable</source>
        <translation>Ota käyttöön</translation>
    </message>
    <message>
        <source>Time interval</source>
        <translation>Aikaväli</translation>
    </message>
    <message>
        <source>Tank Empty Notes</source>
        <translation>Säiliö tyhjä -ilmoitukset</translation>
    </message>
    <message>
        <source>Cleanup&apos;s until now: %1</source>
        <translation>Puhdistuksia tähän mennessä: %1</translation>
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
        <translation>Ota käyttöön</translation>
    </message>
    <message>
        <source>Time interval</source>
        <translation>Aikaväli</translation>
    </message>
</context>
<context>
    <name>LanguagePage</name>
    <message>
        <source>Language</source>
        <translation>Kieli</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Tallenna</translation>
    </message>
</context>
<context>
    <name>RegionPage</name>
    <message>
        <source>Region</source>
        <translation>Alue</translation>
    </message>
    <message>
        <source>Choosing a region also sets its date format, time format, first day of the week and temperature unit.</source>
        <translation>Alueen valinta asettaa myös sen päivämäärämuodon, aikamuodon, viikon ensimmäisen päivän ja lämpötilayksikön.</translation>
    </message>
</context>
<context>
    <name>UnitsPage</name>
    <message>
        <source>Units</source>
        <translation>Yksiköt</translation>
    </message>
</context>
<context>
    <name>view::ConfigureGeneralDisplayViewManager</name>
    <message>
        <source>Never</source>
        <translation>Ei koskaan</translation>
    </message>
    <message>
        <source>15 seconds</source>
        <translation>15 sekuntia</translation>
    </message>
    <message>
        <source>30 seconds</source>
        <translation>30 sekuntia</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minuutti</translation>
    </message>
    <message>
        <source>2 minutes</source>
        <translation>2 minuuttia</translation>
    </message>
    <message>
        <source>3 minutes</source>
        <translation>3 minuuttia</translation>
    </message>
    <message>
        <source>4 minutes</source>
        <translation>4 minuuttia</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 minuuttia</translation>
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
        <translation>Pohjois-Amerikka</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Muu</translation>
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
        <translation>Tietoja</translation>
    </message>
</context>
<context>
    <name>IdentifyBoardsPage</name>
    <message>
        <source>Identify RCB</source>
        <translation>Tunnista relekortit</translation>
    </message>
    <message>
        <source>Press a button to sound the buzzer of that relay control board.</source>
        <translation>Paina painiketta, niin kyseisen relekortin summeri soi.</translation>
    </message>
</context>
<context>
    <name>LicencePage</name>
    <message>
        <source>License Info</source>
        <translation>Lisenssitiedot</translation>
    </message>
</context>
<context>
    <name>LinuxComponentsPage</name>
    <message>
        <source>Libraries of this PC</source>
        <translation>Tämän PC:n kirjastot</translation>
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
        <translation>Tämän PC:n kirjastot</translation>
    </message>
    <message>
        <source>%1 control panel is designed using open source software components, which are subject to the copyrights of their authors.</source>
        <translation>Ohjauspaneelissa %1 on käytetty avoimen lähdekoodin ohjelmistokomponentteja, joihin sovelletaan niiden tekijöiden tekijänoikeuksia.</translation>
    </message>
    <message>
        <source>Component and license info is provided in english only, many licenses provide translations on their respective web site. Select component in the list below to see respective info.</source>
        <translation>Komponentti- ja lisenssitiedot ovat saatavilla vain englanniksi; monien lisenssien käännökset löytyvät niiden omilta verkkosivuilta. Valitse alla olevasta luettelosta komponentti nähdäksesi sen tiedot.</translation>
    </message>
    <message>
        <source>[The rest of the file is not shown.]</source>
        <translation>[Tiedoston loppua ei näytetä.]</translation>
    </message>
    <message>
        <source>This</source>
        <translation>Tämä</translation>
    </message>
</context>
<context>
    <name>view::ConfigureGeneralAboutViewManager</name>
    <message>
        <source>License Info</source>
        <translation>Lisenssitiedot</translation>
    </message>
    <message>
        <source>Identify RCB</source>
        <translation>Tunnista relekortit</translation>
    </message>
    <message>
        <source>PC Control Panel</source>
        <translation>PC-ohjauspaneeli</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Ohjelmistoversio</translation>
    </message>
    <message>
        <source>Instance</source>
        <translation>Instanssi</translation>
    </message>
    <message>
        <source>Control Panel</source>
        <translation>Ohjauspaneeli</translation>
    </message>
    <message>
        <source>Facility Type</source>
        <translation>Laitostyyppi</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Järjestelmä</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Ohjelmisto</translation>
    </message>
    <message>
        <source>Node</source>
        <translation>Solmu</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profiili</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Tuote</translation>
    </message>
    <message>
        <source>Zerededid version</source>
        <translation>Zerededid-versio</translation>
    </message>
    <message>
        <source>Supervised</source>
        <translation>Valvottu</translation>
    </message>
    <message>
        <source>Time Controlled</source>
        <translation>Aikaohjattu</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Yksityinen</translation>
    </message>
    <message>
        <source>Public</source>
        <translation>Julkinen</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Tuntematon</translation>
    </message>
    <message>
        <source> Lite</source>
        <translation> Lite</translation>
    </message>
    <message>
        <source>Relay Control Board</source>
        <translation>Relekortti</translation>
    </message>
    <message>
        <source>Temperature and Humidity Sensor</source>
        <translation>Lämpötila- ja kosteusanturi</translation>
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
        <translation>Kieli</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Alue</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Aika</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Päivämäärä</translation>
    </message>
    <message>
        <source>Setup after factory reset, step %1 of %2</source>
        <translation>Käyttöönotto tehdasasetusten jälkeen, vaihe %1/%2</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Seuraava</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Valmis</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemStatusViewManager</name>
    <message>
        <source>Clean-ups: %1</source>
        <translation>Puhdistuksia: %1</translation>
    </message>
    <message>
        <source>Room temperature: %1%2</source>
        <translation>Huoneen lämpötila: %1%2</translation>
    </message>
    <message>
        <source>Room humidity: %1%2</source>
        <translation>Huoneen kosteus: %1%2</translation>
    </message>
    <message>
        <source>Water temperature%1: %2%3</source>
        <translation>Veden lämpötila%1: %2%3</translation>
    </message>
    <message>
        <source>Water level</source>
        <translation>Vedenpinta</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Matala</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>Keski</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Korkea</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Tuntematon</translation>
    </message>
    <message>
        <source>Magnetic contact: %1</source>
        <translation>Magneettikosketin: %1</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Kytketty</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Ei kytketty</translation>
    </message>
    <message>
        <source>Smart Start Heat Ratio: %1%2</source>
        <translation>Smart Start -lämpenemisnopeus: %1%2</translation>
    </message>
    <message>
        <source>/min</source>
        <translation>/min</translation>
    </message>
    <message>
        <source>PCB relays:</source>
        <translation>Piirikortin releet:</translation>
    </message>
    <message>
        <source>primary</source>
        <translation>ensisijainen</translation>
    </message>
    <message>
        <source>secondary</source>
        <translation>toissijainen</translation>
    </message>
    <message>
        <source>Total runtime: %1%2</source>
        <translation>Käyttöaika yhteensä: %1%2</translation>
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
        <translation>Tila</translation>
    </message>
</context>
<context>
    <name>ErrorLogPage</name>
    <message>
        <source>Error log</source>
        <translation>Virheloki</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Tyhjennä</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemFactoryResetViewManager</name>
    <message>
        <source>Reset</source>
        <translation>Palauta</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemRelayViewManager</name>
    <message>
        <source>Regulator</source>
        <translation>Säädin</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automaattinen</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>Päälle/Pois</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Jaettu</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemWiFiViewManager</name>
    <message>
        <source>Enable</source>
        <translation>Ota käyttöön</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Verkko</translation>
    </message>
    <message>
        <source>External Units</source>
        <translation>Ulkoiset laitteet</translation>
    </message>
    <message>
        <source>WiFi Networks</source>
        <translation>WiFi-verkot</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Etsi</translation>
    </message>
    <message>
        <source>No IP address found</source>
        <translation>IP-osoitetta ei löytynyt</translation>
    </message>
    <message>
        <source>IP address: %1</source>
        <translation>IP-osoite: %1</translation>
    </message>
    <message>
        <source>IP addresses</source>
        <translation>IP-osoitteet</translation>
    </message>
    <message>
        <source>Identity</source>
        <translation>Tunniste</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Salasana</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemAuxViewManager</name>
    <message>
        <source>Not in use</source>
        <translation>Ei käytössä</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>Päälle/Pois</translation>
    </message>
    <message>
        <source>Fragrance</source>
        <translation>Tuoksu</translation>
    </message>
    <message>
        <source>Descaling</source>
        <translation>Kalkinpoisto</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemAuxFragranceViewManager</name>
    <message>
        <source>Pump</source>
        <translation>Pumppu</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Tauko</translation>
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
        <translation>Käytössä</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Alkamisaika</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Kesto</translation>
    </message>
    <message>
        <source>Dosage</source>
        <translation>Annostus</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>Viikonpäivä</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Edellinen</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Toisto</translation>
    </message>
    <message>
        <source>Every week</source>
        <translation>Joka viikko</translation>
    </message>
    <message>
        <source>Every 2nd week</source>
        <translation>Joka 2. viikko</translation>
    </message>
    <message>
        <source>Every 3rd week</source>
        <translation>Joka 3. viikko</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Kuukausittain</translation>
    </message>
</context>
<context>
    <name>AuxRelaysPage</name>
    <message>
        <source>Options</source>
        <translation>Lisävarusteet</translation>
    </message>
    <message>
        <source>Fragrance</source>
        <translation>Tuoksu</translation>
    </message>
    <message>
        <source>Descaling</source>
        <translation>Kalkinpoisto</translation>
    </message>
</context>
<context>
    <name>AuxRelayPage</name>
    <message>
        <source>Function</source>
        <translation>Toiminto</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nimi</translation>
    </message>
</context>
<context>
    <name>AuxFragrancePage</name>
    <message>
        <source>Pump</source>
        <translation>Pumppu</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Tauko</translation>
    </message>
</context>
<context>
    <name>AuxDescalingPage</name>
    <message>
        <source>Start time</source>
        <translation>Alkamisaika</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Kesto</translation>
    </message>
    <message>
        <source>Dosage</source>
        <translation>Annostus</translation>
    </message>
    <message>
        <source>ml</source>
        <translation>ml</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>Viikonpäivä</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Toisto</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemFacilityTypeViewManager</name>
    <message>
        <source>Private</source>
        <translation>Yksityinen</translation>
    </message>
    <message>
        <source>Public</source>
        <translation>Julkinen</translation>
    </message>
    <message>
        <source>Time controlled</source>
        <translation>Aikaohjattu</translation>
    </message>
    <message>
        <source>Supervised</source>
        <translation>Valvottu</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemBathPriorityViewManager</name>
    <message>
        <source>Automatic</source>
        <translation>Automaattinen</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Lämpötila</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Kosteus</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemPauseTimerViewManager</name>
    <message>
        <source>Reset pause timer</source>
        <translation>Nollaa taukoajastin</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemFilterViewManager</name>
    <message>
        <source>Filter temperature</source>
        <translation>Suodata lämpötila</translation>
    </message>
    <message>
        <source>Filter humidity</source>
        <translation>Suodata kosteus</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemIrViewManager</name>
    <message>
        <source>Enable</source>
        <translation>Ota käyttöön</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemHapticFeedbackViewManager</name>
    <message>
        <source>Vibration</source>
        <translation>Värinä</translation>
    </message>
</context>
<context>
    <name>FacilityTypePage</name>
    <message>
        <source>Facility type</source>
        <translation>Laitostyyppi</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Tallenna</translation>
    </message>
</context>
<context>
    <name>BathPriorityPage</name>
    <message>
        <source>Bath type priority</source>
        <translation>Kylpytyypin etusija</translation>
    </message>
</context>
<context>
    <name>PauseTimerPage</name>
    <message>
        <source>Pause timer</source>
        <translation>Taukoajastin</translation>
    </message>
</context>
<context>
    <name>FilterPage</name>
    <message>
        <source>Filter</source>
        <translation>Suodatus</translation>
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
        <translation>Haku IP-osoitteella</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-osoite</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Portti</translation>
    </message>
</context>
<context>
    <name>NetworkListPage</name>
    <message>
        <source>Network</source>
        <translation>Verkko</translation>
    </message>
    <message>
        <source>Sauna systems</source>
        <translation>Saunajärjestelmät</translation>
    </message>
</context>
<context>
    <name>PinEditorPage</name>
    <message>
        <source>Enter PIN</source>
        <translation>Syötä PIN-koodi</translation>
    </message>
    <message>
        <source>PIN of the sauna system</source>
        <translation>Saunajärjestelmän PIN-koodi</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Tallenna</translation>
    </message>
</context>
<context>
    <name>SaunaDetailsPage</name>
    <message>
        <source>System details</source>
        <translation>Järjestelmän tiedot</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Poista</translation>
    </message>
</context>
<context>
    <name>SystemMenuPage</name>
    <message>
        <source>System</source>
        <translation>Järjestelmä</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemNetworkViewManager</name>
    <message>
        <source>IP detect</source>
        <translation>Haku IP-osoitteella</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Järjestelmä</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>tuntematon</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-osoite</translation>
    </message>
    <message>
        <source>Last announcement</source>
        <translation>Viimeisin ilmoitus</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ei ole</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>Tunnus</translation>
    </message>
    <message>
        <source>Enter PIN</source>
        <translation>Syötä PIN-koodi</translation>
    </message>
    <message>
        <source>Detect</source>
        <translation>Etsi</translation>
    </message>
    <message>
        <source>The PIN must be 1 to 4 digits</source>
        <translation>PIN-koodissa on oltava 1–4 numeroa</translation>
    </message>
    <message>
        <source>Invalid IP address</source>
        <translation>Virheellinen IP-osoite</translation>
    </message>
    <message>
        <source>Invalid port</source>
        <translation>Virheellinen portti</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemViewManager</name>
    <message>
        <source>Options</source>
        <translation>Lisävarusteet</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Verkko</translation>
    </message>
    <message>
        <source>Cleanup note</source>
        <translation>Puhdistusmuistutus</translation>
    </message>
    <message>
        <source>Tank auto emptying</source>
        <translation>Säiliön autotyhjennys</translation>
    </message>
    <message>
        <source>Bath type priority</source>
        <translation>Kylpytyypin etusija</translation>
    </message>
    <message>
        <source>Pause timer</source>
        <translation>Taukoajastin</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Suodatus</translation>
    </message>
    <message>
        <source>IR</source>
        <translation>IR</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Tila</translation>
    </message>
    <message>
        <source>Error log</source>
        <translation>Virheloki</translation>
    </message>
    <message>
        <source>Facility type</source>
        <translation>Laitostyyppi</translation>
    </message>
</context>
</TS>
