<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en_GB">
<context>
    <name>CalendarPage</name>
    <message>
        <source>Calendar</source>
        <translation>Kalendarz</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Tydzień</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Daty</translation>
    </message>
    <message>
        <source>Queue</source>
        <translation>Kolejka</translation>
    </message>
    <message>
        <source>Date program</source>
        <translation>Program na datę</translation>
    </message>
    <message>
        <source>Weekly program</source>
        <translation>Program tygodniowy</translation>
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
        <translation>Ulubione ustawienie</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Zmień nazwę</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Wilgotność</translation>
    </message>
    <message>
        <source>Edit bath time</source>
        <translation>Edytuj czas kąpieli</translation>
    </message>
    <message>
        <source>Bath time</source>
        <translation>Czas kąpieli</translation>
    </message>
    <message>
        <source>Set bath time</source>
        <translation>Ustaw czas kąpieli</translation>
    </message>
    <message>
        <source>Lights</source>
        <translation>Oświetlenie</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
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
        <translation>Ulubione</translation>
    </message>
    <message>
        <source>Save current settings as favorite</source>
        <translation>Zapisz bieżące ustawienia jako ulubione</translation>
    </message>
</context>
<context>
    <name>GeneralMenuPage</name>
    <message>
        <source>General</source>
        <translation>Ogólne</translation>
    </message>
</context>
<context>
    <name>GenericListView</name>
    <message>
        <source>Nothing to show</source>
        <translation>Brak pozycji</translation>
    </message>
</context>
<context>
    <name>HeaterSettingsPage</name>
    <message>
        <source>Heater settings</source>
        <translation>Ustawienia pieca</translation>
    </message>
    <message>
        <source>Bath time</source>
        <translation>Czas kąpieli</translation>
    </message>
    <message>
        <source>Save bath time</source>
        <translation>Zapisz czas kąpieli</translation>
    </message>
    <message>
        <source>Fan</source>
        <translation>Wentylator</translation>
    </message>
    <message>
        <source>Fan running</source>
        <translation>Wentylator pracuje</translation>
    </message>
    <message>
        <source>Automatic fan</source>
        <translation>Wentylator automatyczny</translation>
    </message>
    <message>
        <source>Runs with the heater</source>
        <translation>Pracuje razem z piecem</translation>
    </message>
    <message>
        <source>Auxiliary relays</source>
        <translation>Przekaźniki pomocnicze</translation>
    </message>
</context>
<context>
    <name>HumidityStepper</name>
    <message>
        <source>level</source>
        <translation>poziom</translation>
    </message>
</context>
<context>
    <name>LightsTile</name>
    <message>
        <source>Lights</source>
        <translation>Oświetlenie</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Wł.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Wył.</translation>
    </message>
</context>
<context>
    <name>LockedControlPage</name>
    <message>
        <source>Target temperature</source>
        <translation>Temperatura zadana</translation>
    </message>
    <message>
        <source>Target humidity</source>
        <translation>Wilgotność zadana</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Odblokuj</translation>
    </message>
</context>
<context>
    <name>MainControlPage</name>
    <message>
        <source>Humidity %1</source>
        <translation>Wilgotność %1</translation>
    </message>
    <message>
        <source>Humidity --</source>
        <translation>Wilgotność --</translation>
    </message>
    <message>
        <source>Target temperature</source>
        <translation>Temperatura zadana</translation>
    </message>
    <message>
        <source>Target humidity</source>
        <translation>Wilgotność zadana</translation>
    </message>
    <message>
        <source>Bath time</source>
        <translation>Czas kąpieli</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Pozostały czas</translation>
    </message>
    <message>
        <source>Fan</source>
        <translation>Wentylator</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Wł.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Wył.</translation>
    </message>
</context>
<context>
    <name>NotConnectedNotice</name>
    <message>
        <source>No sauna is connected. Connect one in Settings → Network.</source>
        <translation>Nie połączono z żadną sauną. Połącz się w menu Ustawienia → Sieć.</translation>
    </message>
</context>
<context>
    <name>OnScreenKeyboard</name>
    <message>
        <source>At most %1 characters</source>
        <translation>Najwyżej %1 znaków</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Spacja</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
</context>
<context>
    <name>PinChangePage</name>
    <message>
        <source>Wrong PIN</source>
        <translation>Błędny PIN</translation>
    </message>
    <message>
        <source>Invalid PIN</source>
        <translation>Nieprawidłowy PIN</translation>
    </message>
    <message>
        <source>The PINs do not match</source>
        <translation>Kody PIN nie są zgodne</translation>
    </message>
    <message>
        <source>Change PIN</source>
        <translation>Zmień PIN</translation>
    </message>
    <message>
        <source>Enter current PIN</source>
        <translation>Wprowadź obecny PIN</translation>
    </message>
    <message>
        <source>Enter new PIN</source>
        <translation>Wprowadź nowy PIN</translation>
    </message>
    <message>
        <source>Confirm new PIN</source>
        <translation>Potwierdź nowy PIN</translation>
    </message>
</context>
<context>
    <name>PinEntryPage</name>
    <message>
        <source>Enter PIN</source>
        <translation>Wprowadź PIN</translation>
    </message>
    <message>
        <source>Wrong PIN</source>
        <translation>Błędny PIN</translation>
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
        <translation>Gotowa</translation>
    </message>
    <message>
        <source>Set ready time</source>
        <translation>Ustaw godzinę gotowości</translation>
    </message>
    <message>
        <source>Custom settings</source>
        <translation>Własne ustawienia</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Wilgotność</translation>
    </message>
    <message>
        <source>Stop after</source>
        <translation>Wyłącz po</translation>
    </message>
    <message>
        <source>Set stop time</source>
        <translation>Ustaw czas do wyłączenia</translation>
    </message>
    <message>
        <source>Use custom settings</source>
        <translation>Użyj własnych ustawień</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Start at</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Set start time</source>
        <translation>Ustaw godzinę startu</translation>
    </message>
    <message>
        <source>Set temperature</source>
        <translation>Ustaw temperaturę</translation>
    </message>
    <message>
        <source>Set humidity</source>
        <translation>Ustaw wilgotność</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>PC Panel</source>
        <translation>Panel PC</translation>
    </message>
    <message>
        <source>Smart Phone</source>
        <translation>Smartfon</translation>
    </message>
    <message>
        <source>Tablet</source>
        <translation>Tablet</translation>
    </message>
    <message>
        <source>Home Automation</source>
        <translation>Automatyka domowa</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Inne</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Nieznane</translation>
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
        <translation>Kombi – ręczny</translation>
    </message>
    <message>
        <source>Combi automatic</source>
        <translation>Kombi – automatyczny</translation>
    </message>
    <message>
        <source>Steam private</source>
        <translation>Para – prywatna</translation>
    </message>
    <message>
        <source>Steam private auto</source>
        <translation>Para – prywatna, auto</translation>
    </message>
    <message>
        <source>Steam public</source>
        <translation>Para – publiczna</translation>
    </message>
    <message>
        <source>Steam public/private Manual Empty</source>
        <translation>Para – publiczna/prywatna, ręczne opróżnianie</translation>
    </message>
    <message>
        <source>Sauna box addon</source>
        <translation>Moduł rozszerzeń sauny</translation>
    </message>
    <message>
        <source>Sauna</source>
        <translation>Sauna</translation>
    </message>
    <message>
        <source>Sauna Low</source>
        <translation>Sauna niska</translation>
    </message>
    <message>
        <source>Sauna IR</source>
        <translation>Sauna na podczerwień</translation>
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
        <translation>Nieokreślona</translation>
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
        <translation>Poniedziałek</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Wtorek</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Środa</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Czwartek</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Piątek</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sobota</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Niedziela</translation>
    </message>
    <message>
        <source>plural_Mondays</source>
        <translation>Poniedziałki</translation>
    </message>
    <message>
        <source>plural_Tuesdays</source>
        <translation>Wtorki</translation>
    </message>
    <message>
        <source>plural_Wednesdays</source>
        <translation>Środy</translation>
    </message>
    <message>
        <source>plural_Thursdays</source>
        <translation>Czwartki</translation>
    </message>
    <message>
        <source>plural_Fridays</source>
        <translation>Piątki</translation>
    </message>
    <message>
        <source>plural_Saturdays</source>
        <translation>Soboty</translation>
    </message>
    <message>
        <source>plural_Sundays</source>
        <translation>Niedziele</translation>
    </message>
    <message>
        <source>long_form_January</source>
        <translation>Styczeń</translation>
    </message>
    <message>
        <source>long_form_February</source>
        <translation>Luty</translation>
    </message>
    <message>
        <source>long_form_March</source>
        <translation>Marzec</translation>
    </message>
    <message>
        <source>long_form_April</source>
        <translation>Kwiecień</translation>
    </message>
    <message>
        <source>long_form_May</source>
        <translation>Maj</translation>
    </message>
    <message>
        <source>long_form_June</source>
        <translation>Czerwiec</translation>
    </message>
    <message>
        <source>long_form_July</source>
        <translation>Lipiec</translation>
    </message>
    <message>
        <source>long_form_August</source>
        <translation>Sierpień</translation>
    </message>
    <message>
        <source>long_form_September</source>
        <translation>Wrzesień</translation>
    </message>
    <message>
        <source>long_form_October</source>
        <translation>Październik</translation>
    </message>
    <message>
        <source>long_form_November</source>
        <translation>Listopad</translation>
    </message>
    <message>
        <source>long_form_December</source>
        <translation>Grudzień</translation>
    </message>
    <message>
        <source>short_form_January</source>
        <translation>sty</translation>
    </message>
    <message>
        <source>short_form_February</source>
        <translation>lut</translation>
    </message>
    <message>
        <source>short_form_March</source>
        <translation>mar</translation>
    </message>
    <message>
        <source>short_form_April</source>
        <translation>kwi</translation>
    </message>
    <message>
        <source>short_form_May</source>
        <translation>maj</translation>
    </message>
    <message>
        <source>short_form_June</source>
        <translation>cze</translation>
    </message>
    <message>
        <source>short_form_July</source>
        <translation>lip</translation>
    </message>
    <message>
        <source>short_form_August</source>
        <translation>sie</translation>
    </message>
    <message>
        <source>short_form_September</source>
        <translation>wrz</translation>
    </message>
    <message>
        <source>short_form_October</source>
        <translation>paź</translation>
    </message>
    <message>
        <source>short_form_November</source>
        <translation>lis</translation>
    </message>
    <message>
        <source>short_form_December</source>
        <translation>gru</translation>
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
        <translation>Nieokreślony przekaźnik</translation>
    </message>
    <message>
        <source>Aux %1</source>
        <translation>Przekaźnik pom. %1</translation>
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
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Informacja</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Włącz/wyłącz</translation>
    </message>
    <message>
        <source>Lighting</source>
        <translation>Oświetlenie</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Wilgotność</translation>
    </message>
    <message>
        <source>IR</source>
        <translation>IR</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Tryb</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Ready at</source>
        <translation>Gotowa</translation>
    </message>
    <message>
        <source>Start at</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop after</source>
        <translation>Wyłącz po</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Własne</translation>
    </message>
    <message>
        <source>Favorite</source>
        <translation>Ulubione ustawienie</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Dziś</translation>
    </message>
    <message>
        <source>Bath</source>
        <translation>Kąpiel</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>Czuwanie</translation>
    </message>
    <message>
        <source>Warm Start</source>
        <translation>Ciepły start</translation>
    </message>
    <message>
        <source>Current Settings</source>
        <translation>Bieżące ustawienia</translation>
    </message>
    <message>
        <source>Delayed start</source>
        <translation>Opóźniony start</translation>
    </message>
    <message>
        <source>delayed start</source>
        <translation>opóźniony start</translation>
    </message>
    <message>
        <source>date calendar program</source>
        <translation>program na datę</translation>
    </message>
    <message>
        <source>weekday calendar program</source>
        <translation>program tygodniowy</translation>
    </message>
    <message>
        <source>ml</source>
        <translation>ml</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Włączone</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Wyłączone</translation>
    </message>
    <message>
        <source>Standard network</source>
        <translation>Sieć standardowa</translation>
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
        <translation>Nieznany identyfikator komunikatu %1 (0x%2)</translation>
    </message>
    <message>
        <source>Primary</source>
        <translation>Główna</translation>
    </message>
    <message>
        <source>Secondary</source>
        <translation>Podrzędna</translation>
    </message>
    <message>
        <source>Descaling</source>
        <translation>Odkamienianie</translation>
    </message>
    <message>
        <source>Auto connect</source>
        <translation>Łącz automatycznie</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Połącz</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Rozłącz</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Odśwież</translation>
    </message>
</context>
<context>
    <name>SaunaStatus</name>
    <message>
        <source>level</source>
        <translation>poziom</translation>
    </message>
    <message>
        <source>Heating</source>
        <translation>Nagrzewanie</translation>
    </message>
    <message>
        <source>Drying</source>
        <translation>Suszenie</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>Czuwanie</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <translation>Czyszczenie</translation>
    </message>
    <message>
        <source>Descaling</source>
        <translation>Odkamienianie</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Wyłączone</translation>
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
        <translation>Limity</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Data i godzina</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <translation>Ustawienia zaawansowane</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Sieć</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
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
        <translation>Zadana %1</translation>
    </message>
</context>
<context>
    <name>WeekProgramsPage</name>
    <message>
        <source>Weekly programs active</source>
        <translation>Programy tygodniowe aktywne</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Name of the favorite</source>
        <translation>Nazwa ulubionego ustawienia</translation>
    </message>
    <message>
        <source>Name of the relay</source>
        <translation>Nazwa przekaźnika</translation>
    </message>
    <message>
        <source>Sauna</source>
        <translation>Sauna</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Ulubione</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalendarz</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
</context>
<context>
    <name>main_startup_screen</name>
    <message>
        <source>PC Control Panel</source>
        <translation>Panel sterowania PC</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Uruchamianie…</translation>
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
        <translation>%1 - %2 (utracono połączenie)</translation>
    </message>
</context>
<context>
    <name>view::ConfigureGeneralPinViewManager</name>
    <message>
        <source>Activate PIN</source>
        <translation>Aktywuj PIN</translation>
    </message>
    <message>
        <source>Change PIN</source>
        <translation>Zmień PIN</translation>
    </message>
    <message>
        <source>Controls on lockscreen</source>
        <translation>Sterowanie na ekranie blokady</translation>
    </message>
</context>
<context>
    <name>view::ConfigureGeneralViewManager</name>
    <message>
        <source>About</source>
        <translation>Informacje</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Jednostki</translation>
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
        <translation>Brak błędu</translation>
    </message>
    <message>
        <source>Room temperature sensor not connected or malfunctioning</source>
        <translation>Czujnik temperatury w kabinie nie jest podłączony lub jest uszkodzony</translation>
    </message>
    <message>
        <source>Steam tank temperature sensor not connected or malfunctioning</source>
        <translation>Czujnik temperatury zbiornika pary nie jest podłączony lub jest uszkodzony</translation>
    </message>
    <message>
        <source>Relay Control Box PCB has overheated</source>
        <translation>Płyta przekaźnikowa uległa przegrzaniu</translation>
    </message>
    <message>
        <source>Electrode short circuit</source>
        <translation>Zwarcie elektrod</translation>
    </message>
    <message>
        <source>Steamtank overfill. Level electrodes malfunction.</source>
        <translation>Zbiornik pary jest przepełniony. Elektrody poziomu są uszkodzone.</translation>
    </message>
    <message>
        <source>Contact lost with Zerededid node of node profile Control Panel Home</source>
        <translation>Utracono połączenie z węzłem Zerededid o profilu Panel sterowania Home</translation>
    </message>
    <message>
        <source>Contact lost with Zerededid node of node profile Temperature/Humidity Sensor</source>
        <translation>Utracono połączenie z węzłem Zerededid o profilu Czujnik temperatury/wilgotności</translation>
    </message>
    <message>
        <source>Steam tank has overheated</source>
        <translation>Zbiornik pary uległ przegrzaniu</translation>
    </message>
    <message>
        <source>Real-time clock (RTC) communication failure</source>
        <translation>Błąd komunikacji z zegarem czasu rzeczywistego (RTC)</translation>
    </message>
    <message>
        <source>Communication with addon card lost.</source>
        <translation>Utracono komunikację z kartą rozszerzeń.</translation>
    </message>
    <message>
        <source>Emptying of water in steam tank failure. Turn off power and do service.</source>
        <translation>Nie udało się opróżnić zbiornika pary z wody. Wyłącz zasilanie i wykonaj serwis.</translation>
    </message>
    <message>
        <source>Level electrodes steam tank out of service, interruption mid</source>
        <translation>Elektrody poziomu zbiornika pary nie działają, przerwa na elektrodzie środkowej</translation>
    </message>
    <message>
        <source>Zerededid connected humidity sensor malfunctioning</source>
        <translation>Czujnik wilgotności podłączony przez Zerededid jest uszkodzony</translation>
    </message>
    <message>
        <source>Zerededid connected temperature sensor malfunctioning</source>
        <translation>Czujnik temperatury podłączony przez Zerededid jest uszkodzony</translation>
    </message>
    <message>
        <source>Contact lost with Zerededid node of node profile Relay Control Board</source>
        <translation>Utracono połączenie z węzłem Zerededid o profilu Płyta przekaźnikowa</translation>
    </message>
    <message>
        <source>High temperature limit control have trip out, must be reset</source>
        <translation>Ogranicznik temperatury zadziałał i musi zostać zresetowany</translation>
    </message>
    <message>
        <source>Room temperature sensor overheated</source>
        <translation>Czujnik temperatury w kabinie jest przegrzany</translation>
    </message>
    <message>
        <source>Too many units connected</source>
        <translation>Podłączono zbyt wiele urządzeń</translation>
    </message>
    <message>
        <source>The door has been open for more than the allowed time. Ongoing bath cancelled.</source>
        <translation>Drzwi były otwarte dłużej, niż jest to dozwolone. Trwająca kąpiel została przerwana.</translation>
    </message>
    <message>
        <source>Magnetic contact open more than 60 seconds since last bath</source>
        <translation>Kontaktron jest otwarty dłużej niż 60 sekund od ostatniej kąpieli</translation>
    </message>
</context>
<context>
    <name>view::details::UserMessageFunctions</name>
    <message>
        <source>Weekday calendar program collision detected</source>
        <translation>Wykryto kolizję programów tygodniowych</translation>
    </message>
    <message>
        <source>Date calendar program collision detected</source>
        <translation>Wykryto kolizję programów na datę</translation>
    </message>
    <message>
        <source>Bathtime limit exceeded. Start will be allowed at %1</source>
        <translation>Przekroczono limit czasu kąpieli. Start będzie możliwy o %1</translation>
    </message>
    <message>
        <source>Operation not possible, blocked by not allowed start</source>
        <translation>Operacja niemożliwa, zablokowana przez blokadę startu</translation>
    </message>
    <message>
        <source>Tank emptying has started, operation is possible when draining is complete</source>
        <translation>Rozpoczęto opróżnianie zbiornika, operacja będzie możliwa po jego zakończeniu</translation>
    </message>
    <message>
        <source>Perform control/clean of tank</source>
        <translation>Sprawdź i wyczyść zbiornik</translation>
    </message>
    <message>
        <source>Check sauna before next start</source>
        <translation>Sprawdź saunę przed następnym uruchomieniem</translation>
    </message>
    <message>
        <source>Fault, tank emptying has started</source>
        <translation>Usterka, rozpoczęto opróżnianie zbiornika</translation>
    </message>
    <message>
        <source>Descaling has started, operation not possible</source>
        <translation>Rozpoczęto odkamienianie, operacja niemożliwa</translation>
    </message>
    <message>
        <source>Descaling completed</source>
        <translation>Odkamienianie zakończone</translation>
    </message>
    <message>
        <source>Water in tank</source>
        <translation>W zbiorniku jest woda</translation>
    </message>
    <message>
        <source>Manual tank emptying should be performed</source>
        <translation>Należy ręcznie opróżnić zbiornik</translation>
    </message>
    <message>
        <source>Standby operation is no longer possible in the system due to tank sensor error</source>
        <translation>Praca w trybie czuwania nie jest już możliwa z powodu błędu czujnika zbiornika</translation>
    </message>
    <message>
        <source>Has cleanup been performed?</source>
        <translation>Czy czyszczenie zostało wykonane?</translation>
    </message>
    <message>
        <source>No humidity sensor detected. Steam not allowed.</source>
        <translation>Nie wykryto czujnika wilgotności. Para jest niedozwolona.</translation>
    </message>
    <message>
        <source>Automatic tank emptying interval has started. Reduced steam.</source>
        <translation>Rozpoczął się okres automatycznego opróżniania zbiornika. Ilość pary jest ograniczona.</translation>
    </message>
    <message>
        <source>Automatic tank emptying has started. Operation will resume.</source>
        <translation>Rozpoczęto automatyczne opróżnianie zbiornika. Praca zostanie wznowiona.</translation>
    </message>
    <message>
        <source>Communication with addon card lost.</source>
        <translation>Utracono komunikację z kartą rozszerzeń.</translation>
    </message>
    <message>
        <source>Room temperature too high. Steam production paused temporarily.</source>
        <translation>Temperatura w kabinie jest zbyt wysoka. Wytwarzanie pary zostało tymczasowo wstrzymane.</translation>
    </message>
    <message>
        <source>Not implemented</source>
        <translation>Nie zaimplementowano</translation>
    </message>
    <message>
        <source>No free %1</source>
        <translation>Brak miejsca na %1</translation>
    </message>
    <message>
        <source>No free favorites posts available</source>
        <translation>Brak wolnych miejsc na ulubione ustawienia</translation>
    </message>
    <message>
        <source>A favorite post with specified name already exists</source>
        <translation>Ulubione ustawienie o tej nazwie już istnieje</translation>
    </message>
    <message>
        <source>A favorite post named %1 already exists. Overwrite?</source>
        <translation>Ulubione ustawienie o nazwie %1 już istnieje. Zastąpić?</translation>
    </message>
    <message>
        <source>Confirm favorite delete?</source>
        <translation>Czy usunąć ulubione ustawienie?</translation>
    </message>
    <message>
        <source>No contact with control board</source>
        <translation>Brak połączenia z płytą sterującą</translation>
    </message>
    <message>
        <source>Confirm clear calendar</source>
        <translation>Czy wyczyścić kalendarz?</translation>
    </message>
    <message>
        <source>Time to ready at less than estimated heating time %1 minutes. Use anyway?</source>
        <translation>Czas do gotowości jest krótszy niż szacowany czas nagrzewania (%1 min). Użyć mimo to?</translation>
    </message>
    <message>
        <source>Time to ready at less than heating time %1 minutes estimated from factory settings. Heating time will be calibrated at use. Use anyway?</source>
        <translation>Czas do gotowości jest krótszy niż czas nagrzewania (%1 min) oszacowany na podstawie ustawień fabrycznych. Czas nagrzewania zostanie skalibrowany podczas użytkowania. Użyć mimo to?</translation>
    </message>
    <message>
        <source>No door switch magnetic sensor connected</source>
        <translation>Nie podłączono kontaktronu drzwi</translation>
    </message>
    <message>
        <source>Delayed start program edited from other panel</source>
        <translation>Opóźniony start został zmieniony na innym panelu</translation>
    </message>
    <message>
        <source>Weekday calendar program edited from other panel</source>
        <translation>Program tygodniowy został zmieniony na innym panelu</translation>
    </message>
    <message>
        <source>Date calendar program edited from other panel</source>
        <translation>Program na datę został zmieniony na innym panelu</translation>
    </message>
    <message>
        <source>No free time gap for new post</source>
        <translation>Brak wolnego przedziału czasu na nowy program</translation>
    </message>
    <message>
        <source>Favorite post edited from other panel</source>
        <translation>Ulubione ustawienie zostało zmienione na innym panelu</translation>
    </message>
    <message>
        <source>Calendar programs affected by favorite change: %1</source>
        <translation>Programy kalendarza, których dotyczy zmiana ulubionego ustawienia: %1</translation>
    </message>
    <message>
        <source>Confirm delete of %1?</source>
        <translation>Czy usunąć %1?</translation>
    </message>
    <message>
        <source>Display will turn OFF due to inactivity (display sleep timer)</source>
        <translation>Wyświetlacz WYŁĄCZY się z powodu braku aktywności (wygaszanie ekranu)</translation>
    </message>
    <message>
        <source>Error switching to new language, old will be kept</source>
        <translation>Błąd zmiany języka, pozostanie dotychczasowy język</translation>
    </message>
    <message>
        <source>Internal software error detected file %1 line %2: %3</source>
        <translation>Wykryto wewnętrzny błąd oprogramowania, plik %1, wiersz %2: %3</translation>
    </message>
    <message>
        <source>File not found %1</source>
        <translation>Nie znaleziono pliku: %1</translation>
    </message>
    <message>
        <source>Key/translation error %1</source>
        <translation>Błąd klucza lub tłumaczenia: %1</translation>
    </message>
    <message>
        <source>Sauna pause timer has been reset</source>
        <translation>Licznik przerwy sauny został wyzerowany</translation>
    </message>
    <message>
        <source>Sauna not allowed start, %2, conflicts with %1. Save anyway?</source>
        <translation>Blokada startu sauny (%2) koliduje z programem %1. Zapisać mimo to?</translation>
    </message>
    <message>
        <source>Sauna not allowed start, %2, may conflict with %1. Save anyway?</source>
        <translation>Blokada startu sauny (%2) może kolidować z czasem pracy sauny %1. Zapisać mimo to?</translation>
    </message>
    <message>
        <source>Confirm factory reset?</source>
        <translation>Czy przywrócić ustawienia fabryczne?</translation>
    </message>
    <message>
        <source>PIN code changed</source>
        <translation>Kod PIN został zmieniony</translation>
    </message>
    <message>
        <source>Date and time are not correct, reenter</source>
        <translation>Data i godzina są nieprawidłowe, wprowadź je ponownie</translation>
    </message>
    <message>
        <source>Confirm delete of system</source>
        <translation>Czy usunąć system?</translation>
    </message>
    <message>
        <source>Connected to system %1</source>
        <translation>Połączono z systemem %1</translation>
    </message>
    <message>
        <source>Connect to system %1 failed, incorrect PIN</source>
        <translation>Nie udało się połączyć z systemem %1, nieprawidłowy PIN</translation>
    </message>
    <message>
        <source>Connect to system %1 failed, compatibility - update PC panel</source>
        <translation>Nie udało się połączyć z systemem %1 z powodu niezgodności – zaktualizuj panel PC</translation>
    </message>
    <message>
        <source>Connect to system %1 failed</source>
        <translation>Nie udało się połączyć z systemem %1</translation>
    </message>
    <message>
        <source>Confirm forget of WiFi network %1</source>
        <translation>Czy zapomnieć sieć Wi-Fi %1?</translation>
    </message>
    <message>
        <source>Favorite name contains unsupported characters: %1</source>
        <translation>Nazwa ulubionego ustawienia zawiera nieobsługiwane znaki: %1</translation>
    </message>
    <message>
        <source>Auxiliary relay name contains unsupported characters: %1</source>
        <translation>Nazwa przekaźnika pomocniczego zawiera nieobsługiwane znaki: %1</translation>
    </message>
    <message>
        <source>Descaling running</source>
        <translation>Trwa odkamienianie</translation>
    </message>
    <message>
        <source>Connection to system %1 lost</source>
        <translation>Utracono połączenie z systemem %1</translation>
    </message>
    <message>
        <source>No response from system %1</source>
        <translation>System %1 nie odpowiada</translation>
    </message>
    <message>
        <source>Retriveing data from system %1</source>
        <translation>Pobieranie danych z systemu %1</translation>
    </message>
    <message>
        <source>Detecting system on IP adress %1...</source>
        <translation>Wyszukiwanie systemu pod adresem IP %1...</translation>
    </message>
    <message>
        <source>No system found on IP adress %1</source>
        <translation>Nie znaleziono systemu pod adresem IP %1</translation>
    </message>
    <message>
        <source>Port %1 used, using fallback announcement</source>
        <translation>Port %1 jest zajęty, używane jest zapasowe rozgłaszanie</translation>
    </message>
    <message>
        <source>Connected to network %1</source>
        <translation>Połączono z siecią %1</translation>
    </message>
    <message>
        <source>Connect to network %1 failed: %2</source>
        <translation>Nie udało się połączyć z siecią %1: %2</translation>
    </message>
    <message>
        <source>Connect to system %1 failed, no door switch magnetic sensor connected</source>
        <translation>Nie udało się połączyć z systemem %1, nie podłączono kontaktronu drzwi</translation>
    </message>
    <message>
        <source>Password contains national/special characters which are unlikely to work as WiFi password : %1</source>
        <translation>Hasło zawiera znaki narodowe lub specjalne, które prawdopodobnie nie zadziałają w haśle Wi-Fi: %1</translation>
    </message>
    <message>
        <source>Panel settings reset. The control board and the Wi-Fi settings were not reset. The program closes in 5 seconds.</source>
        <translation>Ustawienia panelu zostały zresetowane. Płyta sterująca i ustawienia Wi-Fi nie zostały zresetowane. Program zostanie zamknięty za 5 sekund.</translation>
    </message>
    <message>
        <source>The settings file was damaged and has been repaired; settings on damaged lines may be lost. The damaged file was copied to %1</source>
        <translation>Plik ustawień był uszkodzony i został naprawiony; ustawienia z uszkodzonych wierszy mogły zostać utracone. Uszkodzony plik skopiowano do %1</translation>
    </message>
    <message>
        <source>The settings cannot be saved. Changes will not be kept when the program closes.</source>
        <translation>Nie można zapisać ustawień. Zmiany nie zostaną zachowane po zamknięciu programu.</translation>
    </message>
    <message>
        <source>Save the changes to favorite %1?</source>
        <translation>Zapisać zmiany ulubionego ustawienia %1?</translation>
    </message>
    <message>
        <source>System found on IP address %1</source>
        <translation>Znaleziono system pod adresem IP %1</translation>
    </message>
    <message>
        <source>Another system (%1) answered at the address of %2. The panel does not connect to it.</source>
        <translation>Inny system (%1) odpowiedział pod adresem systemu %2. Panel nie łączy się z nim.</translation>
    </message>
    <message>
        <source>Save the changes to calendar program %1?</source>
        <translation>Zapisać zmiany programu kalendarza %1?</translation>
    </message>
    <message>
        <source>The PIN lock is on. The panel unlocks with PIN %1. To set another PIN, use Change PIN.</source>
        <translation>Blokada PIN jest włączona. Panel można odblokować kodem PIN %1. Aby ustawić inny PIN, użyj opcji Zmień PIN.</translation>
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
        <translation>ą</translation>
    </message>
    <message>
        <source>keyboardRow2Pos0CapsFalseSymbolTrue_</source>
        <translation>€</translation>
    </message>
    <message>
        <source>keyboardRow2Pos0CapsTrue_SymbolFalse</source>
        <translation>Ą</translation>
    </message>
    <message>
        <source>keyboardRow2Pos0CapsTrue_SymbolTrue_</source>
        <translation>€</translation>
    </message>
    <message>
        <source>keyboardRow2Pos1CapsFalseSymbolFalse</source>
        <translation>ć</translation>
    </message>
    <message>
        <source>keyboardRow2Pos1CapsFalseSymbolTrue_</source>
        <translation>$</translation>
    </message>
    <message>
        <source>keyboardRow2Pos1CapsTrue_SymbolFalse</source>
        <translation>Ć</translation>
    </message>
    <message>
        <source>keyboardRow2Pos1CapsTrue_SymbolTrue_</source>
        <translation>$</translation>
    </message>
    <message>
        <source>keyboardRow2Pos2CapsFalseSymbolFalse</source>
        <translation>ę</translation>
    </message>
    <message>
        <source>keyboardRow2Pos2CapsFalseSymbolTrue_</source>
        <translation>£</translation>
    </message>
    <message>
        <source>keyboardRow2Pos2CapsTrue_SymbolFalse</source>
        <translation>Ę</translation>
    </message>
    <message>
        <source>keyboardRow2Pos2CapsTrue_SymbolTrue_</source>
        <translation>£</translation>
    </message>
    <message>
        <source>keyboardRow2Pos3CapsFalseSymbolFalse</source>
        <translation>ł</translation>
    </message>
    <message>
        <source>keyboardRow2Pos3CapsFalseSymbolTrue_</source>
        <translation>¥</translation>
    </message>
    <message>
        <source>keyboardRow2Pos3CapsTrue_SymbolFalse</source>
        <translation>Ł</translation>
    </message>
    <message>
        <source>keyboardRow2Pos3CapsTrue_SymbolTrue_</source>
        <translation>¥</translation>
    </message>
    <message>
        <source>keyboardRow2Pos4CapsFalseSymbolFalse</source>
        <translation>ń</translation>
    </message>
    <message>
        <source>keyboardRow2Pos4CapsFalseSymbolTrue_</source>
        <translation>°</translation>
    </message>
    <message>
        <source>keyboardRow2Pos4CapsTrue_SymbolFalse</source>
        <translation>Ń</translation>
    </message>
    <message>
        <source>keyboardRow2Pos4CapsTrue_SymbolTrue_</source>
        <translation>°</translation>
    </message>
    <message>
        <source>keyboardRow2Pos5CapsFalseSymbolFalse</source>
        <translation>ó</translation>
    </message>
    <message>
        <source>keyboardRow2Pos5CapsFalseSymbolTrue_</source>
        <translation>§</translation>
    </message>
    <message>
        <source>keyboardRow2Pos5CapsTrue_SymbolFalse</source>
        <translation>Ó</translation>
    </message>
    <message>
        <source>keyboardRow2Pos5CapsTrue_SymbolTrue_</source>
        <translation>§</translation>
    </message>
    <message>
        <source>keyboardRow2Pos6CapsFalseSymbolFalse</source>
        <translation>ś</translation>
    </message>
    <message>
        <source>keyboardRow2Pos6CapsFalseSymbolTrue_</source>
        <translation>~</translation>
    </message>
    <message>
        <source>keyboardRow2Pos6CapsTrue_SymbolFalse</source>
        <translation>Ś</translation>
    </message>
    <message>
        <source>keyboardRow2Pos6CapsTrue_SymbolTrue_</source>
        <translation>~</translation>
    </message>
    <message>
        <source>keyboardRow2Pos7CapsFalseSymbolFalse</source>
        <translation>ź</translation>
    </message>
    <message>
        <source>keyboardRow2Pos7CapsFalseSymbolTrue_</source>
        <translation>|</translation>
    </message>
    <message>
        <source>keyboardRow2Pos7CapsTrue_SymbolFalse</source>
        <translation>Ź</translation>
    </message>
    <message>
        <source>keyboardRow2Pos7CapsTrue_SymbolTrue_</source>
        <translation>|</translation>
    </message>
    <message>
        <source>keyboardRow2Pos8CapsFalseSymbolFalse</source>
        <translation>ż</translation>
    </message>
    <message>
        <source>keyboardRow2Pos8CapsFalseSymbolTrue_</source>
        <translation>\</translation>
    </message>
    <message>
        <source>keyboardRow2Pos8CapsTrue_SymbolFalse</source>
        <translation>Ż</translation>
    </message>
    <message>
        <source>keyboardRow2Pos8CapsTrue_SymbolTrue_</source>
        <translation>\</translation>
    </message>
    <message>
        <source>keyboardRow2Pos9CapsFalseSymbolFalse</source>
        <translation>-</translation>
    </message>
    <message>
        <source>keyboardRow2Pos9CapsFalseSymbolTrue_</source>
        <translation>^</translation>
    </message>
    <message>
        <source>keyboardRow2Pos9CapsTrue_SymbolFalse</source>
        <translation>-</translation>
    </message>
    <message>
        <source>keyboardRow2Pos9CapsTrue_SymbolTrue_</source>
        <translation>^</translation>
    </message>
    <message>
        <source>keyboardRow2Pos10CapsFalseSymbolFalse</source>
        <translation>.</translation>
    </message>
    <message>
        <source>keyboardRow2Pos10CapsFalseSymbolTrue_</source>
        <translation>´</translation>
    </message>
    <message>
        <source>keyboardRow2Pos10CapsTrue_SymbolFalse</source>
        <translation>.</translation>
    </message>
    <message>
        <source>keyboardRow2Pos10CapsTrue_SymbolTrue_</source>
        <translation>´</translation>
    </message>
    <message>
        <source>keyboardRow2Pos11CapsFalseSymbolFalse</source>
        <translation>,</translation>
    </message>
    <message>
        <source>keyboardRow2Pos11CapsFalseSymbolTrue_</source>
        <translation>¨</translation>
    </message>
    <message>
        <source>keyboardRow2Pos11CapsTrue_SymbolFalse</source>
        <translation>,</translation>
    </message>
    <message>
        <source>keyboardRow2Pos11CapsTrue_SymbolTrue_</source>
        <translation>¨</translation>
    </message>
    <message>
        <source>keyboardRow2Pos12CapsFalseSymbolFalse</source>
        <translation>'</translation>
    </message>
    <message>
        <source>keyboardRow2Pos12CapsFalseSymbolTrue_</source>
        <translation>µ</translation>
    </message>
    <message>
        <source>keyboardRow2Pos12CapsTrue_SymbolFalse</source>
        <translation>'</translation>
    </message>
    <message>
        <source>keyboardRow2Pos12CapsTrue_SymbolTrue_</source>
        <translation>µ</translation>
    </message>
    <message>
        <source>keyboardRow2Pos13CapsFalseSymbolFalse</source>
        <translation>!</translation>
    </message>
    <message>
        <source>keyboardRow2Pos13CapsFalseSymbolTrue_</source>
        <translation>¿</translation>
    </message>
    <message>
        <source>keyboardRow2Pos13CapsTrue_SymbolFalse</source>
        <translation>!</translation>
    </message>
    <message>
        <source>keyboardRow2Pos13CapsTrue_SymbolTrue_</source>
        <translation>¿</translation>
    </message>
    <message>
        <source>keyboardRow2Pos14CapsFalseSymbolFalse</source>
        <translation>?</translation>
    </message>
    <message>
        <source>keyboardRow2Pos14CapsFalseSymbolTrue_</source>
        <translation>¡</translation>
    </message>
    <message>
        <source>keyboardRow2Pos14CapsTrue_SymbolFalse</source>
        <translation>?</translation>
    </message>
    <message>
        <source>keyboardRow2Pos14CapsTrue_SymbolTrue_</source>
        <translation>¡</translation>
    </message>
    <message>
        <source>keyboardRow2Pos15CapsFalseSymbolFalse</source>
        <translation>&amp;</translation>
    </message>
    <message>
        <source>keyboardRow2Pos15CapsFalseSymbolTrue_</source>
        <translation>«</translation>
    </message>
    <message>
        <source>keyboardRow2Pos15CapsTrue_SymbolFalse</source>
        <translation>&amp;</translation>
    </message>
    <message>
        <source>keyboardRow2Pos15CapsTrue_SymbolTrue_</source>
        <translation>«</translation>
    </message>
    <message>
        <source>keyboardRow2Pos16CapsFalseSymbolFalse</source>
        <translation>(</translation>
    </message>
    <message>
        <source>keyboardRow2Pos16CapsFalseSymbolTrue_</source>
        <translation>»</translation>
    </message>
    <message>
        <source>keyboardRow2Pos16CapsTrue_SymbolFalse</source>
        <translation>(</translation>
    </message>
    <message>
        <source>keyboardRow2Pos16CapsTrue_SymbolTrue_</source>
        <translation>»</translation>
    </message>
    <message>
        <source>keyboardRow2Pos17CapsFalseSymbolFalse</source>
        <translation>)</translation>
    </message>
    <message>
        <source>keyboardRow2Pos17CapsFalseSymbolTrue_</source>
        <translation>¤</translation>
    </message>
    <message>
        <source>keyboardRow2Pos17CapsTrue_SymbolFalse</source>
        <translation>)</translation>
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
        <translation>Godzina</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Weekstart</source>
        <translation>Początek tygodnia</translation>
    </message>
    <message>
        <source>Erase calendar</source>
        <translation>Wyczyść kalendarz</translation>
    </message>
</context>
<context>
    <name>view::ConfigureDateTimeTimeViewManager</name>
    <message>
        <source>Time</source>
        <translation>Godzina</translation>
    </message>
    <message>
        <source>Time format</source>
        <translation>Format godziny</translation>
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
        <translation>Data</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Format daty</translation>
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
        <translation>Poniedziałek</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Niedziela</translation>
    </message>
</context>
<context>
    <name>view::ConfigureDateTimeEraseCalendarViewManager</name>
    <message>
        <source>Erase calendar</source>
        <translation>Wyczyść kalendarz</translation>
    </message>
</context>
<context>
    <name>DateTimeMenuPage</name>
    <message>
        <source>Date and time</source>
        <translation>Data i godzina</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Godzina</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Weekstart</source>
        <translation>Początek tygodnia</translation>
    </message>
    <message>
        <source>Erase calendar</source>
        <translation>Wyczyść kalendarz</translation>
    </message>
</context>
<context>
    <name>SetTimePage</name>
    <message>
        <source>Set time</source>
        <translation>Ustaw godzinę</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
</context>
<context>
    <name>SetDatePage</name>
    <message>
        <source>Set date</source>
        <translation>Ustaw datę</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
</context>
<context>
    <name>LanguagePage</name>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
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
        <translation>Wybór regionu ustawia również format daty i godziny, pierwszy dzień tygodnia oraz jednostkę temperatury.</translation>
    </message>
</context>
<context>
    <name>UnitsPage</name>
    <message>
        <source>Units</source>
        <translation>Jednostki</translation>
    </message>
</context>
<context>
    <name>view::ConfigureGeneralDisplayViewManager</name>
    <message>
        <source>Never</source>
        <translation>Nigdy</translation>
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
        <translation>UE</translation>
    </message>
    <message>
        <source>North America</source>
        <translation>Ameryka Północna</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Inny</translation>
    </message>
</context>
<context>
    <name>view::ConfigureGeneralUnitsViewManager</name>
    <message>
        <source>Celsius</source>
        <translation>Celsjusz</translation>
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
        <translation>Informacje</translation>
    </message>
</context>
<context>
    <name>IdentifyBoardsPage</name>
    <message>
        <source>Identify RCB</source>
        <translation>Identyfikuj płyty przekaźnikowe</translation>
    </message>
    <message>
        <source>Press a button to sound the buzzer of that relay control board.</source>
        <translation>Naciśnij przycisk, aby włączyć brzęczyk danej płyty przekaźnikowej.</translation>
    </message>
</context>
<context>
    <name>LicencePage</name>
    <message>
        <source>License Info</source>
        <translation>Licencje</translation>
    </message>
</context>
<context>
    <name>LinuxComponentsPage</name>
    <message>
        <source>Libraries of this PC</source>
        <translation>Biblioteki tego komputera</translation>
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
        <translation>Biblioteki tego komputera</translation>
    </message>
    <message>
        <source>%1 control panel is designed using open source software components, which are subject to the copyrights of their authors.</source>
        <translation>Panel sterowania %1 został opracowany z użyciem komponentów oprogramowania open source, które podlegają prawom autorskim ich autorów.</translation>
    </message>
    <message>
        <source>Component and license info is provided in english only, many licenses provide translations on their respective web site. Select component in the list below to see respective info.</source>
        <translation>Informacje o komponentach i licencjach są dostępne tylko w języku angielskim, tłumaczenia wielu licencji można znaleźć na ich stronach internetowych. Wybierz komponent z listy poniżej, aby wyświetlić informacje o nim.</translation>
    </message>
    <message>
        <source>[The rest of the file is not shown.]</source>
        <translation>[Pozostała część pliku nie jest wyświetlana.]</translation>
    </message>
    <message>
        <source>This</source>
        <translation>Ten</translation>
    </message>
</context>
<context>
    <name>view::ConfigureGeneralAboutViewManager</name>
    <message>
        <source>License Info</source>
        <translation>Licencje</translation>
    </message>
    <message>
        <source>Identify RCB</source>
        <translation>Identyfikuj płyty przekaźnikowe</translation>
    </message>
    <message>
        <source>PC Control Panel</source>
        <translation>Panel sterowania PC</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Wersja oprogramowania</translation>
    </message>
    <message>
        <source>Instance</source>
        <translation>Instancja</translation>
    </message>
    <message>
        <source>Control Panel</source>
        <translation>Panel sterowania</translation>
    </message>
    <message>
        <source>Facility Type</source>
        <translation>Typ obiektu</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Oprogramowanie</translation>
    </message>
    <message>
        <source>Node</source>
        <translation>Węzeł</translation>
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
        <translation>Wersja Zerededid</translation>
    </message>
    <message>
        <source>Supervised</source>
        <translation>Nadzorowany</translation>
    </message>
    <message>
        <source>Time Controlled</source>
        <translation>Sterowany czasowo</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Prywatny</translation>
    </message>
    <message>
        <source>Public</source>
        <translation>Publiczny</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Nieznany</translation>
    </message>
    <message>
        <source> Lite</source>
        <translation> Lite</translation>
    </message>
    <message>
        <source>Relay Control Board</source>
        <translation>Płyta przekaźnikowa</translation>
    </message>
    <message>
        <source>Temperature and Humidity Sensor</source>
        <translation>Czujnik temperatury i wilgotności</translation>
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
        <translation>Temperatura kąpieli</translation>
    </message>
    <message>
        <source>Highest bath temperature a user can set</source>
        <translation>Najwyższa temperatura kąpieli, jaką może ustawić użytkownik</translation>
    </message>
    <message>
        <source>Water temperature</source>
        <translation>Temperatura wody</translation>
    </message>
    <message>
        <source>Max water fill time</source>
        <translation>Maks. czas napełniania wodą</translation>
    </message>
    <message>
        <source>Overheating</source>
        <translation>Przegrzanie</translation>
    </message>
    <message>
        <source>Control board</source>
        <translation>Płyta sterująca</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Woda</translation>
    </message>
</context>
<context>
    <name>LimitEditorPage</name>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
</context>
<context>
    <name>NotAllowedStartPage</name>
    <message>
        <source>Not allowed start</source>
        <translation>Blokada startu</translation>
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
        <translation>Zapisz</translation>
    </message>
</context>
<context>
    <name>view::ConfigureLimitsViewManager</name>
    <message>
        <source>Bath temperature</source>
        <translation>Temperatura kąpieli</translation>
    </message>
    <message>
        <source>Overheating</source>
        <translation>Przegrzanie</translation>
    </message>
    <message>
        <source>Water temperature</source>
        <translation>Temperatura wody</translation>
    </message>
    <message>
        <source>Not allowed start</source>
        <translation>Blokada startu</translation>
    </message>
    <message>
        <source>Max water fill time</source>
        <translation>Maks. czas napełniania wodą</translation>
    </message>
</context>
<context>
    <name>view::ConfigureLimitsNotAllowedStartViewManager</name>
    <message>
        <source>Activate time limit</source>
        <translation>Włącz ograniczenie czasowe</translation>
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
        <translation>Ustawienia zaawansowane</translation>
    </message>
</context>
<context>
    <name>CleanupPage</name>
    <message>
        <source>Cleanup note</source>
        <translation>Przypomnienie o czyszczeniu</translation>
    </message>
    <message>
        <source>Time interval</source>
        <translation>Odstęp czasu</translation>
    </message>
</context>
<context>
    <name>DurationEditorPage</name>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
</context>
<context>
    <name>ExternalSwitchPage</name>
    <message>
        <source>External switch</source>
        <translation>Przełącznik zewnętrzny</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Funkcja</translation>
    </message>
    <message>
        <source>Bath time</source>
        <translation>Czas kąpieli</translation>
    </message>
</context>
<context>
    <name>FanPage</name>
    <message>
        <source>Fan</source>
        <translation>Wentylator</translation>
    </message>
    <message>
        <source>Running Time</source>
        <translation>Czas pracy</translation>
    </message>
</context>
<context>
    <name>StandbyPage</name>
    <message>
        <source>Temperature reduction</source>
        <translation>Obniżenie temperatury</translation>
    </message>
    <message>
        <source>Tank standby temperature</source>
        <translation>Temperatura czuwania zbiornika</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
</context>
<context>
    <name>TankAutoEmptyingPage</name>
    <message>
        <source>Tank auto emptying</source>
        <translation>Autom. opróżnianie zbiornika</translation>
    </message>
    <message>
        <source>Time interval</source>
        <translation>Odstęp czasu</translation>
    </message>
</context>
<context>
    <name>view::ConfigureAdvancedSettingsExtSwitchViewManager</name>
    <message>
        <source>Bath time</source>
        <translation>Czas kąpieli</translation>
    </message>
    <message>
        <source>Renew bath time</source>
        <translation>Odnów czas kąpieli</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>Wł./Wył.</translation>
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
        <translation>Czas pracy</translation>
    </message>
</context>
<context>
    <name>view::ConfigureAdvancedSettingsStandbyViewManager</name>
    <message>
        <source>Enable</source>
        <translation>Włącz</translation>
    </message>
    <message>
        <source>Enable standby</source>
        <translation>Włącz czuwanie</translation>
    </message>
</context>
<context>
    <name>view::ConfigureAdvancedSettingsViewManager</name>
    <message>
        <source>External switch</source>
        <translation>Przełącznik zewnętrzny</translation>
    </message>
    <message>
        <source>Fan</source>
        <translation>Wentylator</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemCleanupViewManager</name>
    <message>
        <source>Enable</source>
        <translation>Włącz</translation>
    </message>
    <message>
        <source>Time interval</source>
        <translation>Odstęp czasu</translation>
    </message>
    <message>
        <source>Tank Empty Notes</source>
        <translation>Komunikaty o pustym zbiorniku</translation>
    </message>
    <message>
        <source>Cleanup&apos;s until now: %1</source>
        <translation>Dotychczasowe czyszczenia: %1</translation>
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
        <translation>Włącz</translation>
    </message>
    <message>
        <source>Time interval</source>
        <translation>Odstęp czasu</translation>
    </message>
</context>
<context>
    <name>AuxDescalingPage</name>
    <message>
        <source>Start time</source>
        <translation>Godzina startu</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Czas trwania</translation>
    </message>
    <message>
        <source>Dosage</source>
        <translation>Dawkowanie</translation>
    </message>
    <message>
        <source>ml</source>
        <translation>ml</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>Dzień tygodnia</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Powtarzanie</translation>
    </message>
</context>
<context>
    <name>AuxFragrancePage</name>
    <message>
        <source>Pump</source>
        <translation>Pompa</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Przerwa</translation>
    </message>
</context>
<context>
    <name>AuxRelayPage</name>
    <message>
        <source>Function</source>
        <translation>Funkcja</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
</context>
<context>
    <name>AuxRelaysPage</name>
    <message>
        <source>Options</source>
        <translation>Akcesoria</translation>
    </message>
    <message>
        <source>Fragrance</source>
        <translation>Zapach</translation>
    </message>
    <message>
        <source>Descaling</source>
        <translation>Odkamienianie</translation>
    </message>
</context>
<context>
    <name>BathPriorityPage</name>
    <message>
        <source>Bath type priority</source>
        <translation>Priorytet rodzaju kąpieli</translation>
    </message>
</context>
<context>
    <name>ErrorLogPage</name>
    <message>
        <source>Error log</source>
        <translation>Dziennik błędów</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
</context>
<context>
    <name>FacilityTypePage</name>
    <message>
        <source>Facility type</source>
        <translation>Typ obiektu</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
</context>
<context>
    <name>FilterPage</name>
    <message>
        <source>Filter</source>
        <translation>Filtrowanie</translation>
    </message>
</context>
<context>
    <name>InitialSetup</name>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Godzina</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Setup after factory reset, step %1 of %2</source>
        <translation>Konfiguracja po przywróceniu ustawień fabrycznych, krok %1 z %2</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
</context>
<context>
    <name>IpConnectPage</name>
    <message>
        <source>IP detect</source>
        <translation>Wyszukiwanie po IP</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Adres IP</translation>
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
        <translation>Sieć</translation>
    </message>
    <message>
        <source>Sauna systems</source>
        <translation>Systemy saun</translation>
    </message>
</context>
<context>
    <name>PauseTimerPage</name>
    <message>
        <source>Pause timer</source>
        <translation>Licznik przerwy</translation>
    </message>
</context>
<context>
    <name>PinEditorPage</name>
    <message>
        <source>Enter PIN</source>
        <translation>Wprowadź PIN</translation>
    </message>
    <message>
        <source>PIN of the sauna system</source>
        <translation>PIN systemu sauny</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
</context>
<context>
    <name>SaunaDetailsPage</name>
    <message>
        <source>System details</source>
        <translation>Szczegóły systemu</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
</context>
<context>
    <name>StatusPage</name>
    <message>
        <source>Status</source>
        <translation>Stan</translation>
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
        <translation>Włącz</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Godzina startu</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Czas trwania</translation>
    </message>
    <message>
        <source>Dosage</source>
        <translation>Dawkowanie</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>Dzień tygodnia</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Ostatnio</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Powtarzanie</translation>
    </message>
    <message>
        <source>Every week</source>
        <translation>Co tydzień</translation>
    </message>
    <message>
        <source>Every 2nd week</source>
        <translation>Co 2 tygodnie</translation>
    </message>
    <message>
        <source>Every 3rd week</source>
        <translation>Co 3 tygodnie</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Co miesiąc</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemAuxFragranceViewManager</name>
    <message>
        <source>Pump</source>
        <translation>Pompa</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Przerwa</translation>
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
        <translation>Nieużywany</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>Wł./Wył.</translation>
    </message>
    <message>
        <source>Fragrance</source>
        <translation>Zapach</translation>
    </message>
    <message>
        <source>Descaling</source>
        <translation>Odkamienianie</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemBathPriorityViewManager</name>
    <message>
        <source>Automatic</source>
        <translation>Automatycznie</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Wilgotność</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemFacilityTypeViewManager</name>
    <message>
        <source>Private</source>
        <translation>Prywatny</translation>
    </message>
    <message>
        <source>Public</source>
        <translation>Publiczny</translation>
    </message>
    <message>
        <source>Time controlled</source>
        <translation>Sterowany czasowo</translation>
    </message>
    <message>
        <source>Supervised</source>
        <translation>Nadzorowany</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemFactoryResetViewManager</name>
    <message>
        <source>Reset</source>
        <translation>Przywróć</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemFilterViewManager</name>
    <message>
        <source>Filter temperature</source>
        <translation>Filtrowanie temperatury</translation>
    </message>
    <message>
        <source>Filter humidity</source>
        <translation>Filtrowanie wilgotności</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemHapticFeedbackViewManager</name>
    <message>
        <source>Vibration</source>
        <translation>Wibracje</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemIrViewManager</name>
    <message>
        <source>Enable</source>
        <translation>Włącz</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemNetworkViewManager</name>
    <message>
        <source>IP detect</source>
        <translation>Wyszukiwanie po IP</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>nieznany</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Adres IP</translation>
    </message>
    <message>
        <source>Last announcement</source>
        <translation>Ostatnie rozgłoszenie</translation>
    </message>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Enter PIN</source>
        <translation>Wprowadź PIN</translation>
    </message>
    <message>
        <source>Detect</source>
        <translation>Wyszukaj</translation>
    </message>
    <message>
        <source>The PIN must be 1 to 4 digits</source>
        <translation>PIN musi mieć od 1 do 4 cyfr</translation>
    </message>
    <message>
        <source>Invalid IP address</source>
        <translation>Nieprawidłowy adres IP</translation>
    </message>
    <message>
        <source>Invalid port</source>
        <translation>Nieprawidłowy port</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemPauseTimerViewManager</name>
    <message>
        <source>Reset pause timer</source>
        <translation>Wyzeruj licznik przerwy</translation>
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
        <translation>Automatyczny</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>Wł./Wył.</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Dzielony</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemStatusViewManager</name>
    <message>
        <source>PCB relays:</source>
        <translation>Przekaźniki na płytce:</translation>
    </message>
    <message>
        <source>Clean-ups: %1</source>
        <translation>Liczba czyszczeń: %1</translation>
    </message>
    <message>
        <source>Room temperature: %1%2</source>
        <translation>Temperatura w kabinie: %1%2</translation>
    </message>
    <message>
        <source>Room humidity: %1%2</source>
        <translation>Wilgotność w kabinie: %1%2</translation>
    </message>
    <message>
        <source>Magnetic contact: %1</source>
        <translation>Kontaktron: %1</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Podłączony</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Niepodłączony</translation>
    </message>
    <message>
        <source>primary</source>
        <translation>główna</translation>
    </message>
    <message>
        <source>secondary</source>
        <translation>podrzędna</translation>
    </message>
    <message>
        <source>Water temperature%1: %2%3</source>
        <translation>Temperatura wody%1: %2%3</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niski</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>Średni</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Wysoki</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Nieznany</translation>
    </message>
    <message>
        <source>Water level</source>
        <translation>Poziom wody</translation>
    </message>
    <message>
        <source>Smart Start Heat Ratio: %1%2</source>
        <translation>Smart Start – szybkość nagrzewania: %1%2</translation>
    </message>
    <message>
        <source>/min</source>
        <translation>/min</translation>
    </message>
    <message>
        <source>Total runtime: %1%2</source>
        <translation>Łączny czas pracy: %1%2</translation>
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
        <translation>Akcesoria</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Sieć</translation>
    </message>
    <message>
        <source>Cleanup note</source>
        <translation>Przypomnienie o czyszczeniu</translation>
    </message>
    <message>
        <source>Tank auto emptying</source>
        <translation>Autom. opróżnianie zbiornika</translation>
    </message>
    <message>
        <source>Bath type priority</source>
        <translation>Priorytet rodzaju kąpieli</translation>
    </message>
    <message>
        <source>Pause timer</source>
        <translation>Licznik przerwy</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtrowanie</translation>
    </message>
    <message>
        <source>IR</source>
        <translation>IR</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Error log</source>
        <translation>Dziennik błędów</translation>
    </message>
    <message>
        <source>Facility type</source>
        <translation>Typ obiektu</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemWiFiViewManager</name>
    <message>
        <source>Enable</source>
        <translation>Włącz</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Sieć</translation>
    </message>
    <message>
        <source>External Units</source>
        <translation>Urządzenia zewnętrzne</translation>
    </message>
    <message>
        <source>WiFi Networks</source>
        <translation>Sieci Wi-Fi</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Skanuj</translation>
    </message>
    <message>
        <source>No IP address found</source>
        <translation>Nie znaleziono adresu IP</translation>
    </message>
    <message>
        <source>IP address: %1</source>
        <translation>Adres IP: %1</translation>
    </message>
    <message>
        <source>IP addresses</source>
        <translation>Adresy IP</translation>
    </message>
    <message>
        <source>Identity</source>
        <translation>Tożsamość</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Hasło</translation>
    </message>
</context>
</TS>
