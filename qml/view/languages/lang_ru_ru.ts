<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en_GB">
<context>
    <name>CalendarPage</name>
    <message>
        <source>Calendar</source>
        <translation>Календарь</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Неделя</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Даты</translation>
    </message>
    <message>
        <source>Queue</source>
        <translation>Очередь</translation>
    </message>
    <message>
        <source>Date program</source>
        <translation>Программа на дату</translation>
    </message>
    <message>
        <source>Weekly program</source>
        <translation>Недельная программа</translation>
    </message>
</context>
<context>
    <name>DurationStepper</name>
    <message>
        <source>h</source>
        <translation>ч</translation>
    </message>
    <message>
        <source>min</source>
        <translation>мин</translation>
    </message>
    <message>
        <source>s</source>
        <translation>с</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>мс</translation>
    </message>
</context>
<context>
    <name>FavoriteEditPage</name>
    <message>
        <source>Favorite</source>
        <translation>Избранный режим</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Переименовать</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Температура</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Влажность</translation>
    </message>
    <message>
        <source>Edit bath time</source>
        <translation>Изменить время сеанса</translation>
    </message>
    <message>
        <source>Bath time</source>
        <translation>Время сеанса</translation>
    </message>
    <message>
        <source>Set bath time</source>
        <translation>Задать время сеанса</translation>
    </message>
    <message>
        <source>Lights</source>
        <translation>Освещение</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Пуск</translation>
    </message>
</context>
<context>
    <name>FavoritesPage</name>
    <message>
        <source>Favorites</source>
        <translation>Избранное</translation>
    </message>
    <message>
        <source>Save current settings as favorite</source>
        <translation>Добавить в избранное</translation>
    </message>
</context>
<context>
    <name>GeneralMenuPage</name>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
</context>
<context>
    <name>GenericListView</name>
    <message>
        <source>Nothing to show</source>
        <translation>Нет записей</translation>
    </message>
</context>
<context>
    <name>HeaterSettingsPage</name>
    <message>
        <source>Heater settings</source>
        <translation>Настройки печи</translation>
    </message>
    <message>
        <source>Bath time</source>
        <translation>Время сеанса</translation>
    </message>
    <message>
        <source>Save bath time</source>
        <translation>Сохранить время сеанса</translation>
    </message>
    <message>
        <source>Fan</source>
        <translation>Вентилятор</translation>
    </message>
    <message>
        <source>Fan running</source>
        <translation>Вентилятор работает</translation>
    </message>
    <message>
        <source>Automatic fan</source>
        <translation>Вентилятор (авто)</translation>
    </message>
    <message>
        <source>Runs with the heater</source>
        <translation>Работает вместе с печью</translation>
    </message>
    <message>
        <source>Auxiliary relays</source>
        <translation>Дополнительные реле</translation>
    </message>
</context>
<context>
    <name>HumidityStepper</name>
    <message>
        <source>level</source>
        <translation>ур.</translation>
    </message>
</context>
<context>
    <name>LightsTile</name>
    <message>
        <source>Lights</source>
        <translation>Освещение</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Вкл.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
</context>
<context>
    <name>LockedControlPage</name>
    <message>
        <source>Target temperature</source>
        <translation>Заданная температура</translation>
    </message>
    <message>
        <source>Target humidity</source>
        <translation>Заданная влажность</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Разблокировать</translation>
    </message>
</context>
<context>
    <name>MainControlPage</name>
    <message>
        <source>Humidity %1</source>
        <translation>Влажность %1</translation>
    </message>
    <message>
        <source>Humidity --</source>
        <translation>Влажность --</translation>
    </message>
    <message>
        <source>Target temperature</source>
        <translation>Заданная температура</translation>
    </message>
    <message>
        <source>Target humidity</source>
        <translation>Заданная влажность</translation>
    </message>
    <message>
        <source>Bath time</source>
        <translation>Сеанс</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Осталось</translation>
    </message>
    <message>
        <source>Fan</source>
        <translation>Вентилятор</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Вкл.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
</context>
<context>
    <name>NotConnectedNotice</name>
    <message>
        <source>No sauna is connected. Connect one in Settings → Network.</source>
        <translation>Сауна не подключена. Подключите её в разделе Настройки → Сеть.</translation>
    </message>
</context>
<context>
    <name>OnScreenKeyboard</name>
    <message>
        <source>At most %1 characters</source>
        <translation>Не более %1 символов</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Пробел</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
</context>
<context>
    <name>PinChangePage</name>
    <message>
        <source>Wrong PIN</source>
        <translation>Неверный PIN-код</translation>
    </message>
    <message>
        <source>Invalid PIN</source>
        <translation>Недопустимый PIN-код</translation>
    </message>
    <message>
        <source>The PINs do not match</source>
        <translation>PIN-коды не совпадают</translation>
    </message>
    <message>
        <source>Change PIN</source>
        <translation>Изменить PIN-код</translation>
    </message>
    <message>
        <source>Enter current PIN</source>
        <translation>Введите текущий PIN-код</translation>
    </message>
    <message>
        <source>Enter new PIN</source>
        <translation>Введите новый PIN-код</translation>
    </message>
    <message>
        <source>Confirm new PIN</source>
        <translation>Подтвердите новый PIN-код</translation>
    </message>
</context>
<context>
    <name>PinEntryPage</name>
    <message>
        <source>Enter PIN</source>
        <translation>Введите PIN-код</translation>
    </message>
    <message>
        <source>Wrong PIN</source>
        <translation>Неверный PIN-код</translation>
    </message>
</context>
<context>
    <name>PinSettingsPage</name>
    <message>
        <source>PIN</source>
        <translation>PIN-код</translation>
    </message>
</context>
<context>
    <name>ProgramSettingsPage</name>
    <message>
        <source>Ready at</source>
        <translation>Готовность</translation>
    </message>
    <message>
        <source>Set ready time</source>
        <translation>Задать время готовности</translation>
    </message>
    <message>
        <source>Custom settings</source>
        <translation>Свои настройки</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Температура</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Влажность</translation>
    </message>
    <message>
        <source>Stop after</source>
        <translation>Стоп через</translation>
    </message>
    <message>
        <source>Set stop time</source>
        <translation>Задать время до остановки</translation>
    </message>
    <message>
        <source>Use custom settings</source>
        <translation>Использовать свои настройки</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Start at</source>
        <translation>Старт</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Set start time</source>
        <translation>Задать время старта</translation>
    </message>
    <message>
        <source>Set temperature</source>
        <translation>Задать температуру</translation>
    </message>
    <message>
        <source>Set humidity</source>
        <translation>Задать влажность</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>PC Panel</source>
        <translation>ПК-панель</translation>
    </message>
    <message>
        <source>Smart Phone</source>
        <translation>Смартфон</translation>
    </message>
    <message>
        <source>Tablet</source>
        <translation>Планшет</translation>
    </message>
    <message>
        <source>Home Automation</source>
        <translation>Умный дом</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Другое</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Неизвестно</translation>
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
        <translation>Комби – ручной</translation>
    </message>
    <message>
        <source>Combi automatic</source>
        <translation>Комби – автоматический</translation>
    </message>
    <message>
        <source>Steam private</source>
        <translation>Пар – частный</translation>
    </message>
    <message>
        <source>Steam private auto</source>
        <translation>Пар – частный, авто</translation>
    </message>
    <message>
        <source>Steam public</source>
        <translation>Пар – общественный</translation>
    </message>
    <message>
        <source>Steam public/private Manual Empty</source>
        <translation>Пар – общественный/частный, ручной слив</translation>
    </message>
    <message>
        <source>Sauna box addon</source>
        <translation>Модуль расширения сауны</translation>
    </message>
    <message>
        <source>Sauna</source>
        <translation>Сауна</translation>
    </message>
    <message>
        <source>Sauna Low</source>
        <translation>Сауна низкая</translation>
    </message>
    <message>
        <source>Sauna IR</source>
        <translation>ИК-сауна</translation>
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
        <translation>Не определено</translation>
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
        <translation>K9 (без Wi-Fi)</translation>
    </message>
    <message>
        <source>Vertex (no Wifi)</source>
        <translation>Vertex (без Wi-Fi)</translation>
    </message>
    <message>
        <source>Fell</source>
        <translation>Fell</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Понедельник</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Вторник</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Среда</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Четверг</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Пятница</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Суббота</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Воскресенье</translation>
    </message>
    <message>
        <source>plural_Mondays</source>
        <translation>По понедельникам</translation>
    </message>
    <message>
        <source>plural_Tuesdays</source>
        <translation>По вторникам</translation>
    </message>
    <message>
        <source>plural_Wednesdays</source>
        <translation>По средам</translation>
    </message>
    <message>
        <source>plural_Thursdays</source>
        <translation>По четвергам</translation>
    </message>
    <message>
        <source>plural_Fridays</source>
        <translation>По пятницам</translation>
    </message>
    <message>
        <source>plural_Saturdays</source>
        <translation>По субботам</translation>
    </message>
    <message>
        <source>plural_Sundays</source>
        <translation>По воскресеньям</translation>
    </message>
    <message>
        <source>long_form_January</source>
        <translation>Январь</translation>
    </message>
    <message>
        <source>long_form_February</source>
        <translation>Февраль</translation>
    </message>
    <message>
        <source>long_form_March</source>
        <translation>Март</translation>
    </message>
    <message>
        <source>long_form_April</source>
        <translation>Апрель</translation>
    </message>
    <message>
        <source>long_form_May</source>
        <translation>Май</translation>
    </message>
    <message>
        <source>long_form_June</source>
        <translation>Июнь</translation>
    </message>
    <message>
        <source>long_form_July</source>
        <translation>Июль</translation>
    </message>
    <message>
        <source>long_form_August</source>
        <translation>Август</translation>
    </message>
    <message>
        <source>long_form_September</source>
        <translation>Сентябрь</translation>
    </message>
    <message>
        <source>long_form_October</source>
        <translation>Октябрь</translation>
    </message>
    <message>
        <source>long_form_November</source>
        <translation>Ноябрь</translation>
    </message>
    <message>
        <source>long_form_December</source>
        <translation>Декабрь</translation>
    </message>
    <message>
        <source>short_form_January</source>
        <translation>янв</translation>
    </message>
    <message>
        <source>short_form_February</source>
        <translation>фев</translation>
    </message>
    <message>
        <source>short_form_March</source>
        <translation>мар</translation>
    </message>
    <message>
        <source>short_form_April</source>
        <translation>апр</translation>
    </message>
    <message>
        <source>short_form_May</source>
        <translation>май</translation>
    </message>
    <message>
        <source>short_form_June</source>
        <translation>июн</translation>
    </message>
    <message>
        <source>short_form_July</source>
        <translation>июл</translation>
    </message>
    <message>
        <source>short_form_August</source>
        <translation>авг</translation>
    </message>
    <message>
        <source>short_form_September</source>
        <translation>сен</translation>
    </message>
    <message>
        <source>short_form_October</source>
        <translation>окт</translation>
    </message>
    <message>
        <source>short_form_November</source>
        <translation>ноя</translation>
    </message>
    <message>
        <source>short_form_December</source>
        <translation>дек</translation>
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
        <translation>Неопределённое реле</translation>
    </message>
    <message>
        <source>Aux %1</source>
        <translation>Доп. реле %1</translation>
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
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Вкл./выкл.</translation>
    </message>
    <message>
        <source>Lighting</source>
        <translation>Освещение</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Температура</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Влажность</translation>
    </message>
    <message>
        <source>IR</source>
        <translation>ИК</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Режим</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Ready at</source>
        <translation>Готовность</translation>
    </message>
    <message>
        <source>Start at</source>
        <translation>Старт</translation>
    </message>
    <message>
        <source>Stop after</source>
        <translation>Стоп через</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Свои</translation>
    </message>
    <message>
        <source>Favorite</source>
        <translation>Избранный режим</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Сегодня</translation>
    </message>
    <message>
        <source>Bath</source>
        <translation>Сеанс</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>Ожидание</translation>
    </message>
    <message>
        <source>Warm Start</source>
        <translation>Тёплый старт</translation>
    </message>
    <message>
        <source>Current Settings</source>
        <translation>Текущие настройки</translation>
    </message>
    <message>
        <source>Delayed start</source>
        <translation>Отложенный старт</translation>
    </message>
    <message>
        <source>delayed start</source>
        <translation>отложенный старт</translation>
    </message>
    <message>
        <source>date calendar program</source>
        <translation>программа на дату</translation>
    </message>
    <message>
        <source>weekday calendar program</source>
        <translation>недельная программа</translation>
    </message>
    <message>
        <source>ml</source>
        <translation>мл</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Вкл.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>Standard network</source>
        <translation>Стандартная сеть</translation>
    </message>
    <message>
        <source>h</source>
        <translation>ч</translation>
    </message>
    <message>
        <source>min</source>
        <translation>мин</translation>
    </message>
    <message>
        <source>Unknown user message id %1 (0x%2)</source>
        <translation>Неизвестный ID сообщения %1 (0x%2)</translation>
    </message>
    <message>
        <source>Primary</source>
        <translation>Ведущая</translation>
    </message>
    <message>
        <source>Secondary</source>
        <translation>Ведомая</translation>
    </message>
    <message>
        <source>Descaling</source>
        <translation>Удаление накипи</translation>
    </message>
    <message>
        <source>Auto connect</source>
        <translation>Автоподключение</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Подключить</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Отключить</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Обновить</translation>
    </message>
</context>
<context>
    <name>SaunaStatus</name>
    <message>
        <source>level</source>
        <translation>ур.</translation>
    </message>
    <message>
        <source>Heating</source>
        <translation>Нагрев</translation>
    </message>
    <message>
        <source>Drying</source>
        <translation>Сушка</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>Ожидание</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <translation>Очистка</translation>
    </message>
    <message>
        <source>Descaling</source>
        <translation>Удаление накипи</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
</context>
<context>
    <name>SettingsFrame</name>
    <message>
        <source>System</source>
        <translation>Система</translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>Ограничения</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Дата и время</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <translation>Доп. настройки</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Сеть</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
</context>
<context>
    <name>TemperatureDial</name>
    <message>
        <source>Room</source>
        <translation>Кабина</translation>
    </message>
    <message>
        <source>Target %1</source>
        <translation>Задано %1</translation>
    </message>
</context>
<context>
    <name>WeekProgramsPage</name>
    <message>
        <source>Weekly programs active</source>
        <translation>Программы недели вкл.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Name of the favorite</source>
        <translation>Название избранного режима</translation>
    </message>
    <message>
        <source>Name of the relay</source>
        <translation>Название реле</translation>
    </message>
    <message>
        <source>Sauna</source>
        <translation>Сауна</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Избранное</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Календарь</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
</context>
<context>
    <name>main_startup_screen</name>
    <message>
        <source>PC Control Panel</source>
        <translation>Панель управления для ПК</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Запуск…</translation>
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
        <translation>%1 - %2 (связь потеряна)</translation>
    </message>
</context>
<context>
    <name>view::ConfigureGeneralPinViewManager</name>
    <message>
        <source>Activate PIN</source>
        <translation>Включить PIN-код</translation>
    </message>
    <message>
        <source>Change PIN</source>
        <translation>Изменить PIN-код</translation>
    </message>
    <message>
        <source>Controls on lockscreen</source>
        <translation>Кнопки на экране блокировки</translation>
    </message>
</context>
<context>
    <name>view::ConfigureGeneralViewManager</name>
    <message>
        <source>About</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Регион</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Единицы</translation>
    </message>
    <message>
        <source>PIN</source>
        <translation>PIN-код</translation>
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
        <translation>Нет ошибок</translation>
    </message>
    <message>
        <source>Room temperature sensor not connected or malfunctioning</source>
        <translation>Датчик температуры в кабине не подключён или неисправен</translation>
    </message>
    <message>
        <source>Steam tank temperature sensor not connected or malfunctioning</source>
        <translation>Датчик температуры бака парогенератора не подключён или неисправен</translation>
    </message>
    <message>
        <source>Relay Control Box PCB has overheated</source>
        <translation>Перегрев платы реле</translation>
    </message>
    <message>
        <source>Electrode short circuit</source>
        <translation>Короткое замыкание электродов</translation>
    </message>
    <message>
        <source>Steamtank overfill. Level electrodes malfunction.</source>
        <translation>Переполнение бака парогенератора. Неисправность электродов уровня.</translation>
    </message>
    <message>
        <source>Contact lost with Zerededid node of node profile Control Panel Home</source>
        <translation>Потеряна связь с узлом Zerededid с профилем «Панель управления Home»</translation>
    </message>
    <message>
        <source>Contact lost with Zerededid node of node profile Temperature/Humidity Sensor</source>
        <translation>Потеряна связь с узлом Zerededid с профилем «Датчик температуры/влажности»</translation>
    </message>
    <message>
        <source>Steam tank has overheated</source>
        <translation>Перегрев бака парогенератора</translation>
    </message>
    <message>
        <source>Real-time clock (RTC) communication failure</source>
        <translation>Ошибка связи с часами реального времени (RTC)</translation>
    </message>
    <message>
        <source>Communication with addon card lost.</source>
        <translation>Потеряна связь с платой расширения.</translation>
    </message>
    <message>
        <source>Emptying of water in steam tank failure. Turn off power and do service.</source>
        <translation>Не удалось слить воду из бака парогенератора. Отключите питание и проведите обслуживание.</translation>
    </message>
    <message>
        <source>Level electrodes steam tank out of service, interruption mid</source>
        <translation>Электроды уровня бака парогенератора не работают, обрыв среднего электрода</translation>
    </message>
    <message>
        <source>Zerededid connected humidity sensor malfunctioning</source>
        <translation>Датчик влажности, подключённый через Zerededid, неисправен</translation>
    </message>
    <message>
        <source>Zerededid connected temperature sensor malfunctioning</source>
        <translation>Датчик температуры, подключённый через Zerededid, неисправен</translation>
    </message>
    <message>
        <source>Contact lost with Zerededid node of node profile Relay Control Board</source>
        <translation>Потеряна связь с узлом Zerededid с профилем «Плата реле»</translation>
    </message>
    <message>
        <source>High temperature limit control have trip out, must be reset</source>
        <translation>Сработал ограничитель перегрева, требуется сброс</translation>
    </message>
    <message>
        <source>Room temperature sensor overheated</source>
        <translation>Перегрев датчика температуры в кабине</translation>
    </message>
    <message>
        <source>Too many units connected</source>
        <translation>Подключено слишком много устройств</translation>
    </message>
    <message>
        <source>The door has been open for more than the allowed time. Ongoing bath cancelled.</source>
        <translation>Дверь была открыта дольше допустимого времени. Текущий сеанс прерван.</translation>
    </message>
    <message>
        <source>Magnetic contact open more than 60 seconds since last bath</source>
        <translation>Магнитный контакт разомкнут более 60 секунд с момента последнего сеанса</translation>
    </message>
</context>
<context>
    <name>view::details::UserMessageFunctions</name>
    <message>
        <source>Weekday calendar program collision detected</source>
        <translation>Обнаружено пересечение недельных программ</translation>
    </message>
    <message>
        <source>Date calendar program collision detected</source>
        <translation>Обнаружено пересечение программ на дату</translation>
    </message>
    <message>
        <source>Bathtime limit exceeded. Start will be allowed at %1</source>
        <translation>Превышен лимит времени сеанса. Запуск будет возможен в %1</translation>
    </message>
    <message>
        <source>Operation not possible, blocked by not allowed start</source>
        <translation>Операция невозможна: действует запрет запуска</translation>
    </message>
    <message>
        <source>Tank emptying has started, operation is possible when draining is complete</source>
        <translation>Начат слив бака, операция будет возможна после его завершения</translation>
    </message>
    <message>
        <source>Perform control/clean of tank</source>
        <translation>Проверьте и очистите бак</translation>
    </message>
    <message>
        <source>Check sauna before next start</source>
        <translation>Проверьте сауну перед следующим запуском</translation>
    </message>
    <message>
        <source>Fault, tank emptying has started</source>
        <translation>Неисправность, начат слив бака</translation>
    </message>
    <message>
        <source>Descaling has started, operation not possible</source>
        <translation>Начато удаление накипи, операция невозможна</translation>
    </message>
    <message>
        <source>Descaling completed</source>
        <translation>Удаление накипи завершено</translation>
    </message>
    <message>
        <source>Water in tank</source>
        <translation>В баке есть вода</translation>
    </message>
    <message>
        <source>Manual tank emptying should be performed</source>
        <translation>Необходимо слить воду из бака вручную</translation>
    </message>
    <message>
        <source>Standby operation is no longer possible in the system due to tank sensor error</source>
        <translation>Работа в режиме ожидания больше невозможна из-за ошибки датчика бака</translation>
    </message>
    <message>
        <source>Has cleanup been performed?</source>
        <translation>Очистка выполнена?</translation>
    </message>
    <message>
        <source>No humidity sensor detected. Steam not allowed.</source>
        <translation>Датчик влажности не обнаружен. Подача пара запрещена.</translation>
    </message>
    <message>
        <source>Automatic tank emptying interval has started. Reduced steam.</source>
        <translation>Начат интервал автоматического слива бака. Подача пара снижена.</translation>
    </message>
    <message>
        <source>Automatic tank emptying has started. Operation will resume.</source>
        <translation>Начат автоматический слив бака. Работа будет продолжена.</translation>
    </message>
    <message>
        <source>Communication with addon card lost.</source>
        <translation>Потеряна связь с платой расширения.</translation>
    </message>
    <message>
        <source>Room temperature too high. Steam production paused temporarily.</source>
        <translation>Температура в кабине слишком высокая. Выработка пара временно приостановлена.</translation>
    </message>
    <message>
        <source>Not implemented</source>
        <translation>Не реализовано</translation>
    </message>
    <message>
        <source>No free %1</source>
        <translation>Нет свободного места: %1</translation>
    </message>
    <message>
        <source>No free favorites posts available</source>
        <translation>Нет свободных мест в избранном</translation>
    </message>
    <message>
        <source>A favorite post with specified name already exists</source>
        <translation>Избранный режим с таким именем уже существует</translation>
    </message>
    <message>
        <source>A favorite post named %1 already exists. Overwrite?</source>
        <translation>Избранный режим «%1» уже существует. Перезаписать?</translation>
    </message>
    <message>
        <source>Confirm favorite delete?</source>
        <translation>Удалить избранный режим?</translation>
    </message>
    <message>
        <source>No contact with control board</source>
        <translation>Нет связи с платой управления</translation>
    </message>
    <message>
        <source>Confirm clear calendar</source>
        <translation>Очистить календарь?</translation>
    </message>
    <message>
        <source>Time to ready at less than estimated heating time %1 minutes. Use anyway?</source>
        <translation>Время до готовности меньше расчётного времени нагрева (%1 мин). Всё равно использовать?</translation>
    </message>
    <message>
        <source>Time to ready at less than heating time %1 minutes estimated from factory settings. Heating time will be calibrated at use. Use anyway?</source>
        <translation>Время до готовности меньше времени нагрева (%1 мин), рассчитанного по заводским настройкам. Время нагрева будет откалибровано в процессе использования. Всё равно использовать?</translation>
    </message>
    <message>
        <source>No door switch magnetic sensor connected</source>
        <translation>Магнитный датчик двери не подключён</translation>
    </message>
    <message>
        <source>Delayed start program edited from other panel</source>
        <translation>Отложенный старт изменён на другой панели</translation>
    </message>
    <message>
        <source>Weekday calendar program edited from other panel</source>
        <translation>Недельная программа изменена на другой панели</translation>
    </message>
    <message>
        <source>Date calendar program edited from other panel</source>
        <translation>Программа на дату изменена на другой панели</translation>
    </message>
    <message>
        <source>No free time gap for new post</source>
        <translation>Нет свободного промежутка времени для новой программы</translation>
    </message>
    <message>
        <source>Favorite post edited from other panel</source>
        <translation>Избранный режим изменён на другой панели</translation>
    </message>
    <message>
        <source>Calendar programs affected by favorite change: %1</source>
        <translation>Программы календаря, затронутые изменением избранного режима: %1</translation>
    </message>
    <message>
        <source>Confirm delete of %1?</source>
        <translation>Удалить %1?</translation>
    </message>
    <message>
        <source>Display will turn OFF due to inactivity (display sleep timer)</source>
        <translation>Дисплей ВЫКЛЮЧИТСЯ из-за бездействия (таймер сна дисплея)</translation>
    </message>
    <message>
        <source>Error switching to new language, old will be kept</source>
        <translation>Ошибка при смене языка, сохранён прежний язык</translation>
    </message>
    <message>
        <source>Internal software error detected file %1 line %2: %3</source>
        <translation>Обнаружена внутренняя ошибка ПО: файл %1, строка %2: %3</translation>
    </message>
    <message>
        <source>File not found %1</source>
        <translation>Файл не найден: %1</translation>
    </message>
    <message>
        <source>Key/translation error %1</source>
        <translation>Ошибка ключа или перевода: %1</translation>
    </message>
    <message>
        <source>Sauna pause timer has been reset</source>
        <translation>Таймер паузы сауны сброшен</translation>
    </message>
    <message>
        <source>Sauna not allowed start, %2, conflicts with %1. Save anyway?</source>
        <translation>Запрет запуска сауны (%2) конфликтует с программой %1. Всё равно сохранить?</translation>
    </message>
    <message>
        <source>Sauna not allowed start, %2, may conflict with %1. Save anyway?</source>
        <translation>Запрет запуска сауны (%2) может конфликтовать со временем работы сауны %1. Всё равно сохранить?</translation>
    </message>
    <message>
        <source>Confirm factory reset?</source>
        <translation>Сбросить до заводских настроек?</translation>
    </message>
    <message>
        <source>PIN code changed</source>
        <translation>PIN-код изменён</translation>
    </message>
    <message>
        <source>Date and time are not correct, reenter</source>
        <translation>Неверные дата и время, введите их заново</translation>
    </message>
    <message>
        <source>Confirm delete of system</source>
        <translation>Удалить систему?</translation>
    </message>
    <message>
        <source>Connected to system %1</source>
        <translation>Подключено к системе %1</translation>
    </message>
    <message>
        <source>Connect to system %1 failed, incorrect PIN</source>
        <translation>Не удалось подключиться к системе %1: неверный PIN-код</translation>
    </message>
    <message>
        <source>Connect to system %1 failed, compatibility - update PC panel</source>
        <translation>Не удалось подключиться к системе %1: несовместимость – обновите ПК-панель</translation>
    </message>
    <message>
        <source>Connect to system %1 failed</source>
        <translation>Не удалось подключиться к системе %1</translation>
    </message>
    <message>
        <source>Confirm forget of WiFi network %1</source>
        <translation>Забыть сеть Wi-Fi %1?</translation>
    </message>
    <message>
        <source>Favorite name contains unsupported characters: %1</source>
        <translation>Имя избранного режима содержит неподдерживаемые символы: %1</translation>
    </message>
    <message>
        <source>Auxiliary relay name contains unsupported characters: %1</source>
        <translation>Имя дополнительного реле содержит неподдерживаемые символы: %1</translation>
    </message>
    <message>
        <source>Descaling running</source>
        <translation>Идёт удаление накипи</translation>
    </message>
    <message>
        <source>Connection to system %1 lost</source>
        <translation>Связь с системой %1 потеряна</translation>
    </message>
    <message>
        <source>No response from system %1</source>
        <translation>Система %1 не отвечает</translation>
    </message>
    <message>
        <source>Retriveing data from system %1</source>
        <translation>Получение данных от системы %1</translation>
    </message>
    <message>
        <source>Detecting system on IP adress %1...</source>
        <translation>Поиск системы по IP-адресу %1...</translation>
    </message>
    <message>
        <source>No system found on IP adress %1</source>
        <translation>По IP-адресу %1 система не найдена</translation>
    </message>
    <message>
        <source>Port %1 used, using fallback announcement</source>
        <translation>Порт %1 занят, используется резервное оповещение</translation>
    </message>
    <message>
        <source>Connected to network %1</source>
        <translation>Подключено к сети %1</translation>
    </message>
    <message>
        <source>Connect to network %1 failed: %2</source>
        <translation>Не удалось подключиться к сети %1: %2</translation>
    </message>
    <message>
        <source>Connect to system %1 failed, no door switch magnetic sensor connected</source>
        <translation>Не удалось подключиться к системе %1: не подключён магнитный датчик двери</translation>
    </message>
    <message>
        <source>Password contains national/special characters which are unlikely to work as WiFi password : %1</source>
        <translation>Пароль содержит национальные или специальные символы, которые, скорее всего, не будут работать в пароле Wi-Fi: %1</translation>
    </message>
    <message>
        <source>Panel settings reset. The control board and the Wi-Fi settings were not reset. The program closes in 5 seconds.</source>
        <translation>Настройки панели сброшены. Плата управления и настройки Wi-Fi не сброшены. Программа закроется через 5 секунд.</translation>
    </message>
    <message>
        <source>The settings file was damaged and has been repaired; settings on damaged lines may be lost. The damaged file was copied to %1</source>
        <translation>Файл настроек был повреждён и восстановлен; настройки в повреждённых строках могли быть потеряны. Повреждённый файл скопирован в %1</translation>
    </message>
    <message>
        <source>The settings cannot be saved. Changes will not be kept when the program closes.</source>
        <translation>Не удаётся сохранить настройки. Изменения не сохранятся после закрытия программы.</translation>
    </message>
    <message>
        <source>Save the changes to favorite %1?</source>
        <translation>Сохранить изменения избранного режима «%1»?</translation>
    </message>
    <message>
        <source>System found on IP address %1</source>
        <translation>По IP-адресу %1 найдена система</translation>
    </message>
    <message>
        <source>Another system (%1) answered at the address of %2. The panel does not connect to it.</source>
        <translation>Другая система (%1) ответила по адресу системы %2. Панель к ней не подключается.</translation>
    </message>
    <message>
        <source>Save the changes to calendar program %1?</source>
        <translation>Сохранить изменения программы календаря %1?</translation>
    </message>
    <message>
        <source>The PIN lock is on. The panel unlocks with PIN %1. To set another PIN, use Change PIN.</source>
        <translation>Блокировка PIN-кодом включена. Панель разблокируется PIN-кодом %1. Чтобы задать другой PIN-код, используйте «Изменить PIN-код».</translation>
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
        <translation>х</translation>
    </message>
    <message>
        <source>keyboardRow2Pos0CapsFalseSymbolTrue_</source>
        <translation>€</translation>
    </message>
    <message>
        <source>keyboardRow2Pos0CapsTrue_SymbolFalse</source>
        <translation>Х</translation>
    </message>
    <message>
        <source>keyboardRow2Pos0CapsTrue_SymbolTrue_</source>
        <translation>€</translation>
    </message>
    <message>
        <source>keyboardRow2Pos1CapsFalseSymbolFalse</source>
        <translation>ъ</translation>
    </message>
    <message>
        <source>keyboardRow2Pos1CapsFalseSymbolTrue_</source>
        <translation>$</translation>
    </message>
    <message>
        <source>keyboardRow2Pos1CapsTrue_SymbolFalse</source>
        <translation>Ъ</translation>
    </message>
    <message>
        <source>keyboardRow2Pos1CapsTrue_SymbolTrue_</source>
        <translation>$</translation>
    </message>
    <message>
        <source>keyboardRow2Pos2CapsFalseSymbolFalse</source>
        <translation>ж</translation>
    </message>
    <message>
        <source>keyboardRow2Pos2CapsFalseSymbolTrue_</source>
        <translation>£</translation>
    </message>
    <message>
        <source>keyboardRow2Pos2CapsTrue_SymbolFalse</source>
        <translation>Ж</translation>
    </message>
    <message>
        <source>keyboardRow2Pos2CapsTrue_SymbolTrue_</source>
        <translation>£</translation>
    </message>
    <message>
        <source>keyboardRow2Pos3CapsFalseSymbolFalse</source>
        <translation>э</translation>
    </message>
    <message>
        <source>keyboardRow2Pos3CapsFalseSymbolTrue_</source>
        <translation>¥</translation>
    </message>
    <message>
        <source>keyboardRow2Pos3CapsTrue_SymbolFalse</source>
        <translation>Э</translation>
    </message>
    <message>
        <source>keyboardRow2Pos3CapsTrue_SymbolTrue_</source>
        <translation>¥</translation>
    </message>
    <message>
        <source>keyboardRow2Pos4CapsFalseSymbolFalse</source>
        <translation>б</translation>
    </message>
    <message>
        <source>keyboardRow2Pos4CapsFalseSymbolTrue_</source>
        <translation>°</translation>
    </message>
    <message>
        <source>keyboardRow2Pos4CapsTrue_SymbolFalse</source>
        <translation>Б</translation>
    </message>
    <message>
        <source>keyboardRow2Pos4CapsTrue_SymbolTrue_</source>
        <translation>°</translation>
    </message>
    <message>
        <source>keyboardRow2Pos5CapsFalseSymbolFalse</source>
        <translation>ю</translation>
    </message>
    <message>
        <source>keyboardRow2Pos5CapsFalseSymbolTrue_</source>
        <translation>§</translation>
    </message>
    <message>
        <source>keyboardRow2Pos5CapsTrue_SymbolFalse</source>
        <translation>Ю</translation>
    </message>
    <message>
        <source>keyboardRow2Pos5CapsTrue_SymbolTrue_</source>
        <translation>§</translation>
    </message>
    <message>
        <source>keyboardRow2Pos6CapsFalseSymbolFalse</source>
        <translation>ё</translation>
    </message>
    <message>
        <source>keyboardRow2Pos6CapsFalseSymbolTrue_</source>
        <translation>~</translation>
    </message>
    <message>
        <source>keyboardRow2Pos6CapsTrue_SymbolFalse</source>
        <translation>Ё</translation>
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
        <translation>й</translation>
    </message>
    <message>
        <source>keyboardRow3Pos0CapsFalseSymbolTrue_</source>
        <translation>-</translation>
    </message>
    <message>
        <source>keyboardRow3Pos0CapsTrue_SymbolFalse</source>
        <translation>Й</translation>
    </message>
    <message>
        <source>keyboardRow3Pos0CapsTrue_SymbolTrue_</source>
        <translation>-</translation>
    </message>
    <message>
        <source>keyboardRow3Pos1CapsFalseSymbolFalse</source>
        <translation>ц</translation>
    </message>
    <message>
        <source>keyboardRow3Pos1CapsFalseSymbolTrue_</source>
        <translation>/</translation>
    </message>
    <message>
        <source>keyboardRow3Pos1CapsTrue_SymbolFalse</source>
        <translation>Ц</translation>
    </message>
    <message>
        <source>keyboardRow3Pos1CapsTrue_SymbolTrue_</source>
        <translation>/</translation>
    </message>
    <message>
        <source>keyboardRow3Pos2CapsFalseSymbolFalse</source>
        <translation>у</translation>
    </message>
    <message>
        <source>keyboardRow3Pos2CapsFalseSymbolTrue_</source>
        <translation>:</translation>
    </message>
    <message>
        <source>keyboardRow3Pos2CapsTrue_SymbolFalse</source>
        <translation>У</translation>
    </message>
    <message>
        <source>keyboardRow3Pos2CapsTrue_SymbolTrue_</source>
        <translation>:</translation>
    </message>
    <message>
        <source>keyboardRow3Pos3CapsFalseSymbolFalse</source>
        <translation>к</translation>
    </message>
    <message>
        <source>keyboardRow3Pos3CapsFalseSymbolTrue_</source>
        <translation>;</translation>
    </message>
    <message>
        <source>keyboardRow3Pos3CapsTrue_SymbolFalse</source>
        <translation>К</translation>
    </message>
    <message>
        <source>keyboardRow3Pos3CapsTrue_SymbolTrue_</source>
        <translation>;</translation>
    </message>
    <message>
        <source>keyboardRow3Pos4CapsFalseSymbolFalse</source>
        <translation>е</translation>
    </message>
    <message>
        <source>keyboardRow3Pos4CapsFalseSymbolTrue_</source>
        <translation>(</translation>
    </message>
    <message>
        <source>keyboardRow3Pos4CapsTrue_SymbolFalse</source>
        <translation>Е</translation>
    </message>
    <message>
        <source>keyboardRow3Pos4CapsTrue_SymbolTrue_</source>
        <translation>(</translation>
    </message>
    <message>
        <source>keyboardRow3Pos5CapsFalseSymbolFalse</source>
        <translation>н</translation>
    </message>
    <message>
        <source>keyboardRow3Pos5CapsFalseSymbolTrue_</source>
        <translation>)</translation>
    </message>
    <message>
        <source>keyboardRow3Pos5CapsTrue_SymbolFalse</source>
        <translation>Н</translation>
    </message>
    <message>
        <source>keyboardRow3Pos5CapsTrue_SymbolTrue_</source>
        <translation>)</translation>
    </message>
    <message>
        <source>keyboardRow3Pos6CapsFalseSymbolFalse</source>
        <translation>г</translation>
    </message>
    <message>
        <source>keyboardRow3Pos6CapsFalseSymbolTrue_</source>
        <translation>&amp;</translation>
    </message>
    <message>
        <source>keyboardRow3Pos6CapsTrue_SymbolFalse</source>
        <translation>Г</translation>
    </message>
    <message>
        <source>keyboardRow3Pos6CapsTrue_SymbolTrue_</source>
        <translation>&amp;</translation>
    </message>
    <message>
        <source>keyboardRow3Pos7CapsFalseSymbolFalse</source>
        <translation>ш</translation>
    </message>
    <message>
        <source>keyboardRow3Pos7CapsFalseSymbolTrue_</source>
        <translation>@</translation>
    </message>
    <message>
        <source>keyboardRow3Pos7CapsTrue_SymbolFalse</source>
        <translation>Ш</translation>
    </message>
    <message>
        <source>keyboardRow3Pos7CapsTrue_SymbolTrue_</source>
        <translation>@</translation>
    </message>
    <message>
        <source>keyboardRow3Pos8CapsFalseSymbolFalse</source>
        <translation>щ</translation>
    </message>
    <message>
        <source>keyboardRow3Pos8CapsFalseSymbolTrue_</source>
        <translation>"</translation>
    </message>
    <message>
        <source>keyboardRow3Pos8CapsTrue_SymbolFalse</source>
        <translation>Щ</translation>
    </message>
    <message>
        <source>keyboardRow3Pos8CapsTrue_SymbolTrue_</source>
        <translation>"</translation>
    </message>
    <message>
        <source>keyboardRow3Pos9CapsFalseSymbolFalse</source>
        <translation>з</translation>
    </message>
    <message>
        <source>keyboardRow3Pos9CapsFalseSymbolTrue_</source>
        <translation>'</translation>
    </message>
    <message>
        <source>keyboardRow3Pos9CapsTrue_SymbolFalse</source>
        <translation>З</translation>
    </message>
    <message>
        <source>keyboardRow3Pos9CapsTrue_SymbolTrue_</source>
        <translation>'</translation>
    </message>
    <message>
        <source>keyboardRow4Pos0CapsFalseSymbolFalse</source>
        <translation>ф</translation>
    </message>
    <message>
        <source>keyboardRow4Pos0CapsFalseSymbolTrue_</source>
        <translation>.</translation>
    </message>
    <message>
        <source>keyboardRow4Pos0CapsTrue_SymbolFalse</source>
        <translation>Ф</translation>
    </message>
    <message>
        <source>keyboardRow4Pos0CapsTrue_SymbolTrue_</source>
        <translation>.</translation>
    </message>
    <message>
        <source>keyboardRow4Pos1CapsFalseSymbolFalse</source>
        <translation>ы</translation>
    </message>
    <message>
        <source>keyboardRow4Pos1CapsFalseSymbolTrue_</source>
        <translation>,</translation>
    </message>
    <message>
        <source>keyboardRow4Pos1CapsTrue_SymbolFalse</source>
        <translation>Ы</translation>
    </message>
    <message>
        <source>keyboardRow4Pos1CapsTrue_SymbolTrue_</source>
        <translation>,</translation>
    </message>
    <message>
        <source>keyboardRow4Pos2CapsFalseSymbolFalse</source>
        <translation>в</translation>
    </message>
    <message>
        <source>keyboardRow4Pos2CapsFalseSymbolTrue_</source>
        <translation>?</translation>
    </message>
    <message>
        <source>keyboardRow4Pos2CapsTrue_SymbolFalse</source>
        <translation>В</translation>
    </message>
    <message>
        <source>keyboardRow4Pos2CapsTrue_SymbolTrue_</source>
        <translation>?</translation>
    </message>
    <message>
        <source>keyboardRow4Pos3CapsFalseSymbolFalse</source>
        <translation>а</translation>
    </message>
    <message>
        <source>keyboardRow4Pos3CapsFalseSymbolTrue_</source>
        <translation>!</translation>
    </message>
    <message>
        <source>keyboardRow4Pos3CapsTrue_SymbolFalse</source>
        <translation>А</translation>
    </message>
    <message>
        <source>keyboardRow4Pos3CapsTrue_SymbolTrue_</source>
        <translation>!</translation>
    </message>
    <message>
        <source>keyboardRow4Pos4CapsFalseSymbolFalse</source>
        <translation>п</translation>
    </message>
    <message>
        <source>keyboardRow4Pos4CapsFalseSymbolTrue_</source>
        <translation>#</translation>
    </message>
    <message>
        <source>keyboardRow4Pos4CapsTrue_SymbolFalse</source>
        <translation>П</translation>
    </message>
    <message>
        <source>keyboardRow4Pos4CapsTrue_SymbolTrue_</source>
        <translation>#</translation>
    </message>
    <message>
        <source>keyboardRow4Pos5CapsFalseSymbolFalse</source>
        <translation>р</translation>
    </message>
    <message>
        <source>keyboardRow4Pos5CapsFalseSymbolTrue_</source>
        <translation>%</translation>
    </message>
    <message>
        <source>keyboardRow4Pos5CapsTrue_SymbolFalse</source>
        <translation>Р</translation>
    </message>
    <message>
        <source>keyboardRow4Pos5CapsTrue_SymbolTrue_</source>
        <translation>%</translation>
    </message>
    <message>
        <source>keyboardRow4Pos6CapsFalseSymbolFalse</source>
        <translation>о</translation>
    </message>
    <message>
        <source>keyboardRow4Pos6CapsFalseSymbolTrue_</source>
        <translation>+</translation>
    </message>
    <message>
        <source>keyboardRow4Pos6CapsTrue_SymbolFalse</source>
        <translation>О</translation>
    </message>
    <message>
        <source>keyboardRow4Pos6CapsTrue_SymbolTrue_</source>
        <translation>+</translation>
    </message>
    <message>
        <source>keyboardRow4Pos7CapsFalseSymbolFalse</source>
        <translation>л</translation>
    </message>
    <message>
        <source>keyboardRow4Pos7CapsFalseSymbolTrue_</source>
        <translation>=</translation>
    </message>
    <message>
        <source>keyboardRow4Pos7CapsTrue_SymbolFalse</source>
        <translation>Л</translation>
    </message>
    <message>
        <source>keyboardRow4Pos7CapsTrue_SymbolTrue_</source>
        <translation>=</translation>
    </message>
    <message>
        <source>keyboardRow4Pos8CapsFalseSymbolFalse</source>
        <translation>д</translation>
    </message>
    <message>
        <source>keyboardRow4Pos8CapsFalseSymbolTrue_</source>
        <translation>*</translation>
    </message>
    <message>
        <source>keyboardRow4Pos8CapsTrue_SymbolFalse</source>
        <translation>Д</translation>
    </message>
    <message>
        <source>keyboardRow4Pos8CapsTrue_SymbolTrue_</source>
        <translation>*</translation>
    </message>
    <message>
        <source>keyboardRow5Pos0CapsFalseSymbolFalse</source>
        <translation>я</translation>
    </message>
    <message>
        <source>keyboardRow5Pos0CapsFalseSymbolTrue_</source>
        <translation>&lt;</translation>
    </message>
    <message>
        <source>keyboardRow5Pos0CapsTrue_SymbolFalse</source>
        <translation>Я</translation>
    </message>
    <message>
        <source>keyboardRow5Pos0CapsTrue_SymbolTrue_</source>
        <translation>&lt;</translation>
    </message>
    <message>
        <source>keyboardRow5Pos1CapsFalseSymbolFalse</source>
        <translation>ч</translation>
    </message>
    <message>
        <source>keyboardRow5Pos1CapsFalseSymbolTrue_</source>
        <translation>&gt;</translation>
    </message>
    <message>
        <source>keyboardRow5Pos1CapsTrue_SymbolFalse</source>
        <translation>Ч</translation>
    </message>
    <message>
        <source>keyboardRow5Pos1CapsTrue_SymbolTrue_</source>
        <translation>&gt;</translation>
    </message>
    <message>
        <source>keyboardRow5Pos2CapsFalseSymbolFalse</source>
        <translation>с</translation>
    </message>
    <message>
        <source>keyboardRow5Pos2CapsFalseSymbolTrue_</source>
        <translation>[</translation>
    </message>
    <message>
        <source>keyboardRow5Pos2CapsTrue_SymbolFalse</source>
        <translation>С</translation>
    </message>
    <message>
        <source>keyboardRow5Pos2CapsTrue_SymbolTrue_</source>
        <translation>[</translation>
    </message>
    <message>
        <source>keyboardRow5Pos3CapsFalseSymbolFalse</source>
        <translation>м</translation>
    </message>
    <message>
        <source>keyboardRow5Pos3CapsFalseSymbolTrue_</source>
        <translation>]</translation>
    </message>
    <message>
        <source>keyboardRow5Pos3CapsTrue_SymbolFalse</source>
        <translation>М</translation>
    </message>
    <message>
        <source>keyboardRow5Pos3CapsTrue_SymbolTrue_</source>
        <translation>]</translation>
    </message>
    <message>
        <source>keyboardRow5Pos4CapsFalseSymbolFalse</source>
        <translation>и</translation>
    </message>
    <message>
        <source>keyboardRow5Pos4CapsFalseSymbolTrue_</source>
        <translation>{</translation>
    </message>
    <message>
        <source>keyboardRow5Pos4CapsTrue_SymbolFalse</source>
        <translation>И</translation>
    </message>
    <message>
        <source>keyboardRow5Pos4CapsTrue_SymbolTrue_</source>
        <translation>{</translation>
    </message>
    <message>
        <source>keyboardRow5Pos5CapsFalseSymbolFalse</source>
        <translation>т</translation>
    </message>
    <message>
        <source>keyboardRow5Pos5CapsFalseSymbolTrue_</source>
        <translation>}</translation>
    </message>
    <message>
        <source>keyboardRow5Pos5CapsTrue_SymbolFalse</source>
        <translation>Т</translation>
    </message>
    <message>
        <source>keyboardRow5Pos5CapsTrue_SymbolTrue_</source>
        <translation>}</translation>
    </message>
    <message>
        <source>keyboardRow5Pos6CapsFalseSymbolFalse</source>
        <translation>ь</translation>
    </message>
    <message>
        <source>keyboardRow5Pos6CapsFalseSymbolTrue_</source>
        <translation>`</translation>
    </message>
    <message>
        <source>keyboardRow5Pos6CapsTrue_SymbolFalse</source>
        <translation>Ь</translation>
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
        <translation>Время</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Weekstart</source>
        <translation>Начало недели</translation>
    </message>
    <message>
        <source>Erase calendar</source>
        <translation>Очистить календарь</translation>
    </message>
</context>
<context>
    <name>view::ConfigureDateTimeTimeViewManager</name>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Time format</source>
        <translation>Формат времени</translation>
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
        <translation>Дата</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Формат даты</translation>
    </message>
    <message>
        <source>YY/MM/DD</source>
        <translation>ГГ/ММ/ДД</translation>
    </message>
    <message>
        <source>DD/MM/YY</source>
        <translation>ДД/ММ/ГГ</translation>
    </message>
    <message>
        <source>MM/DD/YY</source>
        <translation>ММ/ДД/ГГ</translation>
    </message>
</context>
<context>
    <name>view::ConfigureDateTimeWeekBeginViewManager</name>
    <message>
        <source>Monday</source>
        <translation>Понедельник</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Воскресенье</translation>
    </message>
</context>
<context>
    <name>view::ConfigureDateTimeEraseCalendarViewManager</name>
    <message>
        <source>Erase calendar</source>
        <translation>Очистить календарь</translation>
    </message>
</context>
<context>
    <name>DateTimeMenuPage</name>
    <message>
        <source>Date and time</source>
        <translation>Дата и время</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Weekstart</source>
        <translation>Начало недели</translation>
    </message>
    <message>
        <source>Erase calendar</source>
        <translation>Очистить календарь</translation>
    </message>
</context>
<context>
    <name>SetTimePage</name>
    <message>
        <source>Set time</source>
        <translation>Установить время</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
</context>
<context>
    <name>SetDatePage</name>
    <message>
        <source>Set date</source>
        <translation>Установить дату</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
</context>
<context>
    <name>LanguagePage</name>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
</context>
<context>
    <name>RegionPage</name>
    <message>
        <source>Region</source>
        <translation>Регион</translation>
    </message>
    <message>
        <source>Choosing a region also sets its date format, time format, first day of the week and temperature unit.</source>
        <translation>При выборе региона также устанавливаются формат даты и времени, первый день недели и единица температуры.</translation>
    </message>
</context>
<context>
    <name>UnitsPage</name>
    <message>
        <source>Units</source>
        <translation>Единицы</translation>
    </message>
</context>
<context>
    <name>view::ConfigureGeneralDisplayViewManager</name>
    <message>
        <source>Never</source>
        <translation>Никогда</translation>
    </message>
    <message>
        <source>15 seconds</source>
        <translation>15 секунд</translation>
    </message>
    <message>
        <source>30 seconds</source>
        <translation>30 секунд</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 минута</translation>
    </message>
    <message>
        <source>2 minutes</source>
        <translation>2 минуты</translation>
    </message>
    <message>
        <source>3 minutes</source>
        <translation>3 минуты</translation>
    </message>
    <message>
        <source>4 minutes</source>
        <translation>4 минуты</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 минут</translation>
    </message>
</context>
<context>
    <name>view::ConfigureGeneralRegionViewManager</name>
    <message>
        <source>EU</source>
        <translation>ЕС</translation>
    </message>
    <message>
        <source>North America</source>
        <translation>Северная Америка</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Другой</translation>
    </message>
</context>
<context>
    <name>view::ConfigureGeneralUnitsViewManager</name>
    <message>
        <source>Celsius</source>
        <translation>Цельсий</translation>
    </message>
    <message>
        <source>Fahrenheit</source>
        <translation>Фаренгейт</translation>
    </message>
</context>
<context>
    <name>AboutPage</name>
    <message>
        <source>About</source>
        <translation>Информация</translation>
    </message>
</context>
<context>
    <name>IdentifyBoardsPage</name>
    <message>
        <source>Identify RCB</source>
        <translation>Проверка плат реле</translation>
    </message>
    <message>
        <source>Press a button to sound the buzzer of that relay control board.</source>
        <translation>Нажмите кнопку, чтобы включить зуммер соответствующей платы реле.</translation>
    </message>
</context>
<context>
    <name>LicencePage</name>
    <message>
        <source>License Info</source>
        <translation>Лицензии</translation>
    </message>
</context>
<context>
    <name>LinuxComponentsPage</name>
    <message>
        <source>Libraries of this PC</source>
        <translation>Библиотеки этого ПК</translation>
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
        <translation>Библиотеки этого ПК</translation>
    </message>
    <message>
        <source>%1 control panel is designed using open source software components, which are subject to the copyrights of their authors.</source>
        <translation>Панель управления %1 разработана с использованием программных компонентов с открытым исходным кодом, на которые распространяются авторские права их авторов.</translation>
    </message>
    <message>
        <source>Component and license info is provided in english only, many licenses provide translations on their respective web site. Select component in the list below to see respective info.</source>
        <translation>Информация о компонентах и лицензиях доступна только на английском языке; переводы многих лицензий можно найти на их веб-сайтах. Выберите компонент в списке ниже, чтобы просмотреть информацию о нём.</translation>
    </message>
    <message>
        <source>[The rest of the file is not shown.]</source>
        <translation>[Остальная часть файла не показана.]</translation>
    </message>
    <message>
        <source>This</source>
        <translation>Эта</translation>
    </message>
</context>
<context>
    <name>view::ConfigureGeneralAboutViewManager</name>
    <message>
        <source>License Info</source>
        <translation>Лицензии</translation>
    </message>
    <message>
        <source>Identify RCB</source>
        <translation>Проверка плат реле</translation>
    </message>
    <message>
        <source>PC Control Panel</source>
        <translation>Панель управления для ПК</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Версия ПО</translation>
    </message>
    <message>
        <source>Instance</source>
        <translation>Экземпляр</translation>
    </message>
    <message>
        <source>Control Panel</source>
        <translation>Панель управления</translation>
    </message>
    <message>
        <source>Facility Type</source>
        <translation>Тип объекта</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Система</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Программное обеспечение</translation>
    </message>
    <message>
        <source>Node</source>
        <translation>Узел</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Профиль</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Продукт</translation>
    </message>
    <message>
        <source>Zerededid version</source>
        <translation>Версия Zerededid</translation>
    </message>
    <message>
        <source>Supervised</source>
        <translation>Под надзором</translation>
    </message>
    <message>
        <source>Time Controlled</source>
        <translation>Управляемый по времени</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Частный</translation>
    </message>
    <message>
        <source>Public</source>
        <translation>Общественный</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Неизвестный</translation>
    </message>
    <message>
        <source> Lite</source>
        <translation> Lite</translation>
    </message>
    <message>
        <source>Relay Control Board</source>
        <translation>Плата реле</translation>
    </message>
    <message>
        <source>Temperature and Humidity Sensor</source>
        <translation>Датчик температуры и влажности</translation>
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
        <translation>Ограничения</translation>
    </message>
    <message>
        <source>Bath temperature</source>
        <translation>Температура сеанса</translation>
    </message>
    <message>
        <source>Highest bath temperature a user can set</source>
        <translation>Максимальная температура в кабине, которую может задать пользователь</translation>
    </message>
    <message>
        <source>Water temperature</source>
        <translation>Температура воды</translation>
    </message>
    <message>
        <source>Max water fill time</source>
        <translation>Время наполнения</translation>
    </message>
    <message>
        <source>Overheating</source>
        <translation>Перегрев</translation>
    </message>
    <message>
        <source>Control board</source>
        <translation>Плата управления</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Вода</translation>
    </message>
</context>
<context>
    <name>LimitEditorPage</name>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
</context>
<context>
    <name>NotAllowedStartPage</name>
    <message>
        <source>Not allowed start</source>
        <translation>Запрет запуска</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>Until</source>
        <translation>Окончание</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
</context>
<context>
    <name>view::ConfigureLimitsViewManager</name>
    <message>
        <source>Bath temperature</source>
        <translation>Температура сеанса</translation>
    </message>
    <message>
        <source>Overheating</source>
        <translation>Перегрев</translation>
    </message>
    <message>
        <source>Water temperature</source>
        <translation>Температура воды</translation>
    </message>
    <message>
        <source>Not allowed start</source>
        <translation>Запрет запуска</translation>
    </message>
    <message>
        <source>Max water fill time</source>
        <translation>Время наполнения</translation>
    </message>
</context>
<context>
    <name>view::ConfigureLimitsNotAllowedStartViewManager</name>
    <message>
        <source>Activate time limit</source>
        <translation>Включить временной запрет</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>Until</source>
        <translation>Окончание</translation>
    </message>
</context>
<context>
    <name>AdvancedSettingsPage</name>
    <message>
        <source>Advanced settings</source>
        <translation>Доп. настройки</translation>
    </message>
</context>
<context>
    <name>CleanupPage</name>
    <message>
        <source>Cleanup note</source>
        <translation>Напоминание: очистка</translation>
    </message>
    <message>
        <source>Time interval</source>
        <translation>Интервал</translation>
    </message>
</context>
<context>
    <name>DurationEditorPage</name>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
</context>
<context>
    <name>ExternalSwitchPage</name>
    <message>
        <source>External switch</source>
        <translation>Внешний выключатель</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Функция</translation>
    </message>
    <message>
        <source>Bath time</source>
        <translation>Время сеанса</translation>
    </message>
</context>
<context>
    <name>FanPage</name>
    <message>
        <source>Fan</source>
        <translation>Вентилятор</translation>
    </message>
    <message>
        <source>Running Time</source>
        <translation>Время работы</translation>
    </message>
</context>
<context>
    <name>StandbyPage</name>
    <message>
        <source>Temperature reduction</source>
        <translation>Снижение температуры</translation>
    </message>
    <message>
        <source>Tank standby temperature</source>
        <translation>Темп. бака в режиме ожидания</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
</context>
<context>
    <name>TankAutoEmptyingPage</name>
    <message>
        <source>Tank auto emptying</source>
        <translation>Автослив бака</translation>
    </message>
    <message>
        <source>Time interval</source>
        <translation>Интервал</translation>
    </message>
</context>
<context>
    <name>view::ConfigureAdvancedSettingsExtSwitchViewManager</name>
    <message>
        <source>Bath time</source>
        <translation>Время сеанса</translation>
    </message>
    <message>
        <source>Renew bath time</source>
        <translation>Обновить время сеанса</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>Вкл./выкл.</translation>
    </message>
    <message>
        <source>h</source>
        <translation>ч</translation>
    </message>
    <message>
        <source>m</source>
        <translation>мин</translation>
    </message>
</context>
<context>
    <name>view::ConfigureAdvancedSettingsFanViewManager</name>
    <message>
        <source>Running Time</source>
        <translation>Время работы</translation>
    </message>
</context>
<context>
    <name>view::ConfigureAdvancedSettingsStandbyViewManager</name>
    <message>
        <source>Enable</source>
        <translation>Включить</translation>
    </message>
    <message>
        <source>Enable standby</source>
        <translation>Включить режим ожидания</translation>
    </message>
</context>
<context>
    <name>view::ConfigureAdvancedSettingsViewManager</name>
    <message>
        <source>External switch</source>
        <translation>Внешний выключатель</translation>
    </message>
    <message>
        <source>Fan</source>
        <translation>Вентилятор</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemCleanupViewManager</name>
    <message>
        <source>Enable</source>
        <translation>Включить</translation>
    </message>
    <message>
        <source>Time interval</source>
        <translation>Интервал</translation>
    </message>
    <message>
        <source>Tank Empty Notes</source>
        <translation>Уведомления о сливе бака</translation>
    </message>
    <message>
        <source>Cleanup&apos;s until now: %1</source>
        <translation>Выполнено очисток: %1</translation>
    </message>
    <message>
        <source>h</source>
        <translation>ч</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemTankAutoEmptyingViewManager</name>
    <message>
        <source>Enable</source>
        <translation>Включить</translation>
    </message>
    <message>
        <source>Time interval</source>
        <translation>Интервал</translation>
    </message>
</context>
<context>
    <name>AuxDescalingPage</name>
    <message>
        <source>Start time</source>
        <translation>Время старта</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Длительность</translation>
    </message>
    <message>
        <source>Dosage</source>
        <translation>Дозировка</translation>
    </message>
    <message>
        <source>ml</source>
        <translation>мл</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>День недели</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Повтор</translation>
    </message>
</context>
<context>
    <name>AuxFragrancePage</name>
    <message>
        <source>Pump</source>
        <translation>Насос</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Пауза</translation>
    </message>
</context>
<context>
    <name>AuxRelayPage</name>
    <message>
        <source>Function</source>
        <translation>Функция</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
</context>
<context>
    <name>AuxRelaysPage</name>
    <message>
        <source>Options</source>
        <translation>Доп. оборудование</translation>
    </message>
    <message>
        <source>Fragrance</source>
        <translation>Аромат</translation>
    </message>
    <message>
        <source>Descaling</source>
        <translation>Удаление накипи</translation>
    </message>
</context>
<context>
    <name>BathPriorityPage</name>
    <message>
        <source>Bath type priority</source>
        <translation>Приоритет типа сеанса</translation>
    </message>
</context>
<context>
    <name>ErrorLogPage</name>
    <message>
        <source>Error log</source>
        <translation>Журнал ошибок</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
</context>
<context>
    <name>FacilityTypePage</name>
    <message>
        <source>Facility type</source>
        <translation>Тип объекта</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
</context>
<context>
    <name>FilterPage</name>
    <message>
        <source>Filter</source>
        <translation>Фильтрация</translation>
    </message>
</context>
<context>
    <name>InitialSetup</name>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Регион</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Setup after factory reset, step %1 of %2</source>
        <translation>Настройка после заводского сброса, шаг %1 из %2</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Далее</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
</context>
<context>
    <name>IpConnectPage</name>
    <message>
        <source>IP detect</source>
        <translation>Поиск по IP</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-адрес</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
</context>
<context>
    <name>IrPage</name>
    <message>
        <source>IR</source>
        <translation>ИК</translation>
    </message>
</context>
<context>
    <name>NetworkListPage</name>
    <message>
        <source>Network</source>
        <translation>Сеть</translation>
    </message>
    <message>
        <source>Sauna systems</source>
        <translation>Системы саун</translation>
    </message>
</context>
<context>
    <name>PauseTimerPage</name>
    <message>
        <source>Pause timer</source>
        <translation>Таймер паузы</translation>
    </message>
</context>
<context>
    <name>PinEditorPage</name>
    <message>
        <source>Enter PIN</source>
        <translation>Введите PIN-код</translation>
    </message>
    <message>
        <source>PIN of the sauna system</source>
        <translation>PIN-код системы сауны</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
</context>
<context>
    <name>SaunaDetailsPage</name>
    <message>
        <source>System details</source>
        <translation>Сведения о системе</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
</context>
<context>
    <name>StatusPage</name>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
</context>
<context>
    <name>SystemMenuPage</name>
    <message>
        <source>System</source>
        <translation>Система</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemAuxDescalingViewManager</name>
    <message>
        <source>Enable</source>
        <translation>Включить</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Время старта</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Длительность</translation>
    </message>
    <message>
        <source>Dosage</source>
        <translation>Дозировка</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>День недели</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Последний раз</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Повтор</translation>
    </message>
    <message>
        <source>Every week</source>
        <translation>Каждую неделю</translation>
    </message>
    <message>
        <source>Every 2nd week</source>
        <translation>Раз в 2 недели</translation>
    </message>
    <message>
        <source>Every 3rd week</source>
        <translation>Раз в 3 недели</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Ежемесячно</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemAuxFragranceViewManager</name>
    <message>
        <source>Pump</source>
        <translation>Насос</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>min</source>
        <translation>мин</translation>
    </message>
    <message>
        <source>s</source>
        <translation>с</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>мс</translation>
    </message>
    <message>
        <source>h</source>
        <translation>ч</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemAuxViewManager</name>
    <message>
        <source>Not in use</source>
        <translation>Не используется</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>Вкл./выкл.</translation>
    </message>
    <message>
        <source>Fragrance</source>
        <translation>Аромат</translation>
    </message>
    <message>
        <source>Descaling</source>
        <translation>Удаление накипи</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemBathPriorityViewManager</name>
    <message>
        <source>Automatic</source>
        <translation>Автоматически</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Температура</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Влажность</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemFacilityTypeViewManager</name>
    <message>
        <source>Private</source>
        <translation>Частный</translation>
    </message>
    <message>
        <source>Public</source>
        <translation>Общественный</translation>
    </message>
    <message>
        <source>Time controlled</source>
        <translation>Управляемый по времени</translation>
    </message>
    <message>
        <source>Supervised</source>
        <translation>Под надзором</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemFactoryResetViewManager</name>
    <message>
        <source>Reset</source>
        <translation>Сбросить</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemFilterViewManager</name>
    <message>
        <source>Filter temperature</source>
        <translation>Фильтрация температуры</translation>
    </message>
    <message>
        <source>Filter humidity</source>
        <translation>Фильтрация влажности</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemHapticFeedbackViewManager</name>
    <message>
        <source>Vibration</source>
        <translation>Вибрация</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemIrViewManager</name>
    <message>
        <source>Enable</source>
        <translation>Включить</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemNetworkViewManager</name>
    <message>
        <source>IP detect</source>
        <translation>Поиск по IP</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Система</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>неизвестен</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-адрес</translation>
    </message>
    <message>
        <source>Last announcement</source>
        <translation>Последнее оповещение</translation>
    </message>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Enter PIN</source>
        <translation>Введите PIN-код</translation>
    </message>
    <message>
        <source>Detect</source>
        <translation>Найти</translation>
    </message>
    <message>
        <source>The PIN must be 1 to 4 digits</source>
        <translation>PIN-код должен содержать от 1 до 4 цифр</translation>
    </message>
    <message>
        <source>Invalid IP address</source>
        <translation>Недопустимый IP-адрес</translation>
    </message>
    <message>
        <source>Invalid port</source>
        <translation>Недопустимый порт</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemPauseTimerViewManager</name>
    <message>
        <source>Reset pause timer</source>
        <translation>Сбросить таймер паузы</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemRelayViewManager</name>
    <message>
        <source>Regulator</source>
        <translation>Регулятор</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Автоматический</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>Вкл./выкл.</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Раздельный</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemStatusViewManager</name>
    <message>
        <source>PCB relays:</source>
        <translation>Реле на плате:</translation>
    </message>
    <message>
        <source>Clean-ups: %1</source>
        <translation>Число очисток: %1</translation>
    </message>
    <message>
        <source>Room temperature: %1%2</source>
        <translation>Температура в кабине: %1%2</translation>
    </message>
    <message>
        <source>Room humidity: %1%2</source>
        <translation>Влажность в кабине: %1%2</translation>
    </message>
    <message>
        <source>Magnetic contact: %1</source>
        <translation>Магнитный контакт: %1</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Подключён</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Не подключён</translation>
    </message>
    <message>
        <source>primary</source>
        <translation>основная</translation>
    </message>
    <message>
        <source>secondary</source>
        <translation>вторичная</translation>
    </message>
    <message>
        <source>Water temperature%1: %2%3</source>
        <translation>Температура воды%1: %2%3</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Низкий</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>Средний</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Высокий</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Неизвестно</translation>
    </message>
    <message>
        <source>Water level</source>
        <translation>Уровень воды</translation>
    </message>
    <message>
        <source>Smart Start Heat Ratio: %1%2</source>
        <translation>Smart Start – скорость нагрева: %1%2</translation>
    </message>
    <message>
        <source>/min</source>
        <translation>/мин</translation>
    </message>
    <message>
        <source>Total runtime: %1%2</source>
        <translation>Общее время работы: %1%2</translation>
    </message>
    <message>
        <source>h</source>
        <translation>ч</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemViewManager</name>
    <message>
        <source>Options</source>
        <translation>Доп. оборудование</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Сеть</translation>
    </message>
    <message>
        <source>Cleanup note</source>
        <translation>Напоминание: очистка</translation>
    </message>
    <message>
        <source>Tank auto emptying</source>
        <translation>Автослив бака</translation>
    </message>
    <message>
        <source>Bath type priority</source>
        <translation>Приоритет типа сеанса</translation>
    </message>
    <message>
        <source>Pause timer</source>
        <translation>Таймер паузы</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Фильтрация</translation>
    </message>
    <message>
        <source>IR</source>
        <translation>ИК</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Error log</source>
        <translation>Журнал ошибок</translation>
    </message>
    <message>
        <source>Facility type</source>
        <translation>Тип объекта</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemWiFiViewManager</name>
    <message>
        <source>Enable</source>
        <translation>Включить</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Сеть</translation>
    </message>
    <message>
        <source>External Units</source>
        <translation>Внешние устройства</translation>
    </message>
    <message>
        <source>WiFi Networks</source>
        <translation>Сети Wi-Fi</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>No IP address found</source>
        <translation>IP-адрес не найден</translation>
    </message>
    <message>
        <source>IP address: %1</source>
        <translation>IP-адрес: %1</translation>
    </message>
    <message>
        <source>IP addresses</source>
        <translation>IP-адреса</translation>
    </message>
    <message>
        <source>Identity</source>
        <translation>Идентификатор</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
</context>
</TS>
