<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en_GB">
<context>
    <name>CalendarPage</name>
    <message>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Semana</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Fechas</translation>
    </message>
    <message>
        <source>Queue</source>
        <translation>Próximos</translation>
    </message>
    <message>
        <source>Date program</source>
        <translation>Programa por fecha</translation>
    </message>
    <message>
        <source>Weekly program</source>
        <translation>Programa semanal</translation>
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
        <translation>Favorito</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renombrar</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Humedad</translation>
    </message>
    <message>
        <source>Edit bath time</source>
        <translation>Editar tiempo de baño</translation>
    </message>
    <message>
        <source>Bath time</source>
        <translation>Tiempo de baño</translation>
    </message>
    <message>
        <source>Set bath time</source>
        <translation>Ajustar tiempo de baño</translation>
    </message>
    <message>
        <source>Lights</source>
        <translation>Luces</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
</context>
<context>
    <name>FavoritesPage</name>
    <message>
        <source>Favorites</source>
        <translation>Favoritos</translation>
    </message>
    <message>
        <source>Save current settings as favorite</source>
        <translation>Guardar como favorito</translation>
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
        <translation>No hay nada que mostrar</translation>
    </message>
</context>
<context>
    <name>HeaterSettingsPage</name>
    <message>
        <source>Heater settings</source>
        <translation>Ajustes de la estufa</translation>
    </message>
    <message>
        <source>Bath time</source>
        <translation>Tiempo de baño</translation>
    </message>
    <message>
        <source>Save bath time</source>
        <translation>Guardar tiempo de baño</translation>
    </message>
    <message>
        <source>Fan</source>
        <translation>Ventilador</translation>
    </message>
    <message>
        <source>Fan running</source>
        <translation>Ventilador en marcha</translation>
    </message>
    <message>
        <source>Automatic fan</source>
        <translation>Ventilador automático</translation>
    </message>
    <message>
        <source>Runs with the heater</source>
        <translation>Funciona con la estufa</translation>
    </message>
    <message>
        <source>Auxiliary relays</source>
        <translation>Relés auxiliares</translation>
    </message>
</context>
<context>
    <name>HumidityStepper</name>
    <message>
        <source>level</source>
        <translation>nivel</translation>
    </message>
</context>
<context>
    <name>LightsTile</name>
    <message>
        <source>Lights</source>
        <translation>Luces</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Enc.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Apag.</translation>
    </message>
</context>
<context>
    <name>LockedControlPage</name>
    <message>
        <source>Target temperature</source>
        <translation>Temperatura objetivo</translation>
    </message>
    <message>
        <source>Target humidity</source>
        <translation>Humedad objetivo</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Desbloquear</translation>
    </message>
</context>
<context>
    <name>MainControlPage</name>
    <message>
        <source>Humidity %1</source>
        <translation>Humedad %1</translation>
    </message>
    <message>
        <source>Humidity --</source>
        <translation>Humedad --</translation>
    </message>
    <message>
        <source>Target temperature</source>
        <translation>Temperatura objetivo</translation>
    </message>
    <message>
        <source>Target humidity</source>
        <translation>Humedad objetivo</translation>
    </message>
    <message>
        <source>Bath time</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Tiempo restante</translation>
    </message>
    <message>
        <source>Fan</source>
        <translation>Ventilador</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Enc.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Apag.</translation>
    </message>
</context>
<context>
    <name>NotConnectedNotice</name>
    <message>
        <source>No sauna is connected. Connect one in Settings → Network.</source>
        <translation>No hay ninguna sauna conectada. Conecte una en Ajustes → Red.</translation>
    </message>
</context>
<context>
    <name>OnScreenKeyboard</name>
    <message>
        <source>At most %1 characters</source>
        <translation>Como máximo %1 caracteres</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
</context>
<context>
    <name>PinChangePage</name>
    <message>
        <source>Wrong PIN</source>
        <translation>PIN incorrecto</translation>
    </message>
    <message>
        <source>Invalid PIN</source>
        <translation>PIN no válido</translation>
    </message>
    <message>
        <source>The PINs do not match</source>
        <translation>Los PIN no coinciden</translation>
    </message>
    <message>
        <source>Change PIN</source>
        <translation>Cambiar PIN</translation>
    </message>
    <message>
        <source>Enter current PIN</source>
        <translation>Introduzca el PIN actual</translation>
    </message>
    <message>
        <source>Enter new PIN</source>
        <translation>Introduzca el PIN nuevo</translation>
    </message>
    <message>
        <source>Confirm new PIN</source>
        <translation>Confirme el PIN nuevo</translation>
    </message>
</context>
<context>
    <name>PinEntryPage</name>
    <message>
        <source>Enter PIN</source>
        <translation>Introduzca el PIN</translation>
    </message>
    <message>
        <source>Wrong PIN</source>
        <translation>PIN incorrecto</translation>
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
        <translation>Lista</translation>
    </message>
    <message>
        <source>Set ready time</source>
        <translation>Ajustar hora de disponibilidad</translation>
    </message>
    <message>
        <source>Custom settings</source>
        <translation>Ajustes personalizados</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Humedad</translation>
    </message>
    <message>
        <source>Stop after</source>
        <translation>Parar tras</translation>
    </message>
    <message>
        <source>Set stop time</source>
        <translation>Ajustar duración</translation>
    </message>
    <message>
        <source>Use custom settings</source>
        <translation>Usar ajustes personalizados</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Start at</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Set start time</source>
        <translation>Ajustar hora de inicio</translation>
    </message>
    <message>
        <source>Set temperature</source>
        <translation>Ajustar temperatura</translation>
    </message>
    <message>
        <source>Set humidity</source>
        <translation>Ajustar humedad</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>PC Panel</source>
        <translation>Panel de PC</translation>
    </message>
    <message>
        <source>Smart Phone</source>
        <translation>Smartphone</translation>
    </message>
    <message>
        <source>Tablet</source>
        <translation>Tableta</translation>
    </message>
    <message>
        <source>Home Automation</source>
        <translation>Domótica</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otro</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
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
        <translation>Combi automático</translation>
    </message>
    <message>
        <source>Steam private</source>
        <translation>Vapor privado</translation>
    </message>
    <message>
        <source>Steam private auto</source>
        <translation>Vapor privado auto</translation>
    </message>
    <message>
        <source>Steam public</source>
        <translation>Vapor público</translation>
    </message>
    <message>
        <source>Steam public/private Manual Empty</source>
        <translation>Vapor público/privado, vaciado manual</translation>
    </message>
    <message>
        <source>Sauna box addon</source>
        <translation>Módulo adicional de sauna</translation>
    </message>
    <message>
        <source>Sauna</source>
        <translation>Sauna</translation>
    </message>
    <message>
        <source>Sauna Low</source>
        <translation>Sauna baja</translation>
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
        <translation>Sin definir</translation>
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
        <translation>K9 (sin wifi)</translation>
    </message>
    <message>
        <source>Vertex (no Wifi)</source>
        <translation>Vertex (sin wifi)</translation>
    </message>
    <message>
        <source>Fell</source>
        <translation>Fell</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lunes</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Martes</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Miércoles</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Jueves</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Viernes</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sábado</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Domingo</translation>
    </message>
    <message>
        <source>plural_Mondays</source>
        <translation>Lunes</translation>
    </message>
    <message>
        <source>plural_Tuesdays</source>
        <translation>Martes</translation>
    </message>
    <message>
        <source>plural_Wednesdays</source>
        <translation>Miércoles</translation>
    </message>
    <message>
        <source>plural_Thursdays</source>
        <translation>Jueves</translation>
    </message>
    <message>
        <source>plural_Fridays</source>
        <translation>Viernes</translation>
    </message>
    <message>
        <source>plural_Saturdays</source>
        <translation>Sábados</translation>
    </message>
    <message>
        <source>plural_Sundays</source>
        <translation>Domingos</translation>
    </message>
    <message>
        <source>long_form_January</source>
        <translation>Enero</translation>
    </message>
    <message>
        <source>long_form_February</source>
        <translation>Febrero</translation>
    </message>
    <message>
        <source>long_form_March</source>
        <translation>Marzo</translation>
    </message>
    <message>
        <source>long_form_April</source>
        <translation>Abril</translation>
    </message>
    <message>
        <source>long_form_May</source>
        <translation>Mayo</translation>
    </message>
    <message>
        <source>long_form_June</source>
        <translation>Junio</translation>
    </message>
    <message>
        <source>long_form_July</source>
        <translation>Julio</translation>
    </message>
    <message>
        <source>long_form_August</source>
        <translation>Agosto</translation>
    </message>
    <message>
        <source>long_form_September</source>
        <translation>Septiembre</translation>
    </message>
    <message>
        <source>long_form_October</source>
        <translation>Octubre</translation>
    </message>
    <message>
        <source>long_form_November</source>
        <translation>Noviembre</translation>
    </message>
    <message>
        <source>long_form_December</source>
        <translation>Diciembre</translation>
    </message>
    <message>
        <source>short_form_January</source>
        <translation>ene</translation>
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
        <translation>abr</translation>
    </message>
    <message>
        <source>short_form_May</source>
        <translation>may</translation>
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
        <translation>ago</translation>
    </message>
    <message>
        <source>short_form_September</source>
        <translation>sep</translation>
    </message>
    <message>
        <source>short_form_October</source>
        <translation>oct</translation>
    </message>
    <message>
        <source>short_form_November</source>
        <translation>nov</translation>
    </message>
    <message>
        <source>short_form_December</source>
        <translation>dic</translation>
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
        <translation>Relé sin definir</translation>
    </message>
    <message>
        <source>Aux %1</source>
        <translation>Aux. %1</translation>
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
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Encendido/apagado</translation>
    </message>
    <message>
        <source>Lighting</source>
        <translation>Iluminación</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Humedad</translation>
    </message>
    <message>
        <source>IR</source>
        <translation>IR</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Ready at</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Start at</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Stop after</source>
        <translation>Parar tras</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>Favorite</source>
        <translation>Favorito</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>Bath</source>
        <translation>Baño</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>En espera</translation>
    </message>
    <message>
        <source>Warm Start</source>
        <translation>Arranque en caliente</translation>
    </message>
    <message>
        <source>Current Settings</source>
        <translation>Ajustes actuales</translation>
    </message>
    <message>
        <source>Delayed start</source>
        <translation>Inicio diferido</translation>
    </message>
    <message>
        <source>delayed start</source>
        <translation>inicio diferido</translation>
    </message>
    <message>
        <source>date calendar program</source>
        <translation>programa por fecha</translation>
    </message>
    <message>
        <source>weekday calendar program</source>
        <translation>programa semanal</translation>
    </message>
    <message>
        <source>ml</source>
        <translation>ml</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Encendido</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Apagado</translation>
    </message>
    <message>
        <source>Standard network</source>
        <translation>Red estándar</translation>
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
        <translation>ID de mensaje de usuario desconocido %1 (0x%2)</translation>
    </message>
    <message>
        <source>Primary</source>
        <translation>Principal</translation>
    </message>
    <message>
        <source>Secondary</source>
        <translation>Secundario</translation>
    </message>
    <message>
        <source>Descaling</source>
        <translation>Descalcificación</translation>
    </message>
    <message>
        <source>Auto connect</source>
        <translation>Conexión automática</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Desconectar</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
</context>
<context>
    <name>SaunaStatus</name>
    <message>
        <source>level</source>
        <translation>nivel</translation>
    </message>
    <message>
        <source>Heating</source>
        <translation>Calentando</translation>
    </message>
    <message>
        <source>Drying</source>
        <translation>Secando</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>En espera</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <translation>Limpiando</translation>
    </message>
    <message>
        <source>Descaling</source>
        <translation>Descalcificando</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Apagado</translation>
    </message>
</context>
<context>
    <name>SettingsFrame</name>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>Límites</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Fecha y hora</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <translation>Ajustes avanzados</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
</context>
<context>
    <name>TemperatureDial</name>
    <message>
        <source>Room</source>
        <translation>Cabina</translation>
    </message>
    <message>
        <source>Target %1</source>
        <translation>Objetivo %1</translation>
    </message>
</context>
<context>
    <name>WeekProgramsPage</name>
    <message>
        <source>Weekly programs active</source>
        <translation>Prog. semanales activos</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Name of the favorite</source>
        <translation>Nombre del favorito</translation>
    </message>
    <message>
        <source>Name of the relay</source>
        <translation>Nombre del relé</translation>
    </message>
    <message>
        <source>Sauna</source>
        <translation>Sauna</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoritos</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
</context>
<context>
    <name>main_startup_screen</name>
    <message>
        <source>PC Control Panel</source>
        <translation>Panel de control para PC</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Iniciando…</translation>
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
        <translation>%1 - %2 (conexión perdida)</translation>
    </message>
</context>
<context>
    <name>view::ConfigureGeneralPinViewManager</name>
    <message>
        <source>Activate PIN</source>
        <translation>Activar PIN</translation>
    </message>
    <message>
        <source>Change PIN</source>
        <translation>Cambiar PIN</translation>
    </message>
    <message>
        <source>Controls on lockscreen</source>
        <translation>Controles en pantalla bloqueada</translation>
    </message>
</context>
<context>
    <name>view::ConfigureGeneralViewManager</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Región</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unidades</translation>
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
        <translation>Sin errores</translation>
    </message>
    <message>
        <source>Room temperature sensor not connected or malfunctioning</source>
        <translation>El sensor de temperatura de la cabina no está conectado o está averiado</translation>
    </message>
    <message>
        <source>Steam tank temperature sensor not connected or malfunctioning</source>
        <translation>El sensor de temperatura del depósito de vapor no está conectado o está averiado</translation>
    </message>
    <message>
        <source>Relay Control Box PCB has overheated</source>
        <translation>La placa de relés se ha sobrecalentado</translation>
    </message>
    <message>
        <source>Electrode short circuit</source>
        <translation>Cortocircuito en los electrodos</translation>
    </message>
    <message>
        <source>Steamtank overfill. Level electrodes malfunction.</source>
        <translation>Depósito de vapor demasiado lleno. Avería de los electrodos de nivel.</translation>
    </message>
    <message>
        <source>Contact lost with Zerededid node of node profile Control Panel Home</source>
        <translation>Se ha perdido el contacto con el nodo Zerededid de perfil Panel de control Home</translation>
    </message>
    <message>
        <source>Contact lost with Zerededid node of node profile Temperature/Humidity Sensor</source>
        <translation>Se ha perdido el contacto con el nodo Zerededid de perfil Sensor de temperatura/humedad</translation>
    </message>
    <message>
        <source>Steam tank has overheated</source>
        <translation>El depósito de vapor se ha sobrecalentado</translation>
    </message>
    <message>
        <source>Real-time clock (RTC) communication failure</source>
        <translation>Fallo de comunicación con el reloj en tiempo real (RTC)</translation>
    </message>
    <message>
        <source>Communication with addon card lost.</source>
        <translation>Se ha perdido la comunicación con la tarjeta adicional.</translation>
    </message>
    <message>
        <source>Emptying of water in steam tank failure. Turn off power and do service.</source>
        <translation>Ha fallado el vaciado del agua del depósito de vapor. Desconecte la alimentación y realice el mantenimiento.</translation>
    </message>
    <message>
        <source>Level electrodes steam tank out of service, interruption mid</source>
        <translation>Electrodos de nivel del depósito de vapor fuera de servicio, interrupción en el nivel medio</translation>
    </message>
    <message>
        <source>Zerededid connected humidity sensor malfunctioning</source>
        <translation>Avería en el sensor de humedad conectado por Zerededid</translation>
    </message>
    <message>
        <source>Zerededid connected temperature sensor malfunctioning</source>
        <translation>Avería en el sensor de temperatura conectado por Zerededid</translation>
    </message>
    <message>
        <source>Contact lost with Zerededid node of node profile Relay Control Board</source>
        <translation>Se ha perdido el contacto con el nodo Zerededid de perfil Placa de relés</translation>
    </message>
    <message>
        <source>High temperature limit control have trip out, must be reset</source>
        <translation>El limitador de temperatura máxima se ha disparado y debe restablecerse</translation>
    </message>
    <message>
        <source>Room temperature sensor overheated</source>
        <translation>El sensor de temperatura de la cabina se ha sobrecalentado</translation>
    </message>
    <message>
        <source>Too many units connected</source>
        <translation>Hay demasiados dispositivos conectados</translation>
    </message>
    <message>
        <source>The door has been open for more than the allowed time. Ongoing bath cancelled.</source>
        <translation>La puerta ha estado abierta más tiempo del permitido. Se ha cancelado el baño en curso.</translation>
    </message>
    <message>
        <source>Magnetic contact open more than 60 seconds since last bath</source>
        <translation>Contacto magnético abierto durante más de 60 segundos desde el último baño</translation>
    </message>
</context>
<context>
    <name>view::details::UserMessageFunctions</name>
    <message>
        <source>Weekday calendar program collision detected</source>
        <translation>Se han detectado programas semanales solapados</translation>
    </message>
    <message>
        <source>Date calendar program collision detected</source>
        <translation>Se han detectado programas por fecha solapados</translation>
    </message>
    <message>
        <source>Bathtime limit exceeded. Start will be allowed at %1</source>
        <translation>Se ha superado el límite de tiempo de baño. Se podrá iniciar a las %1</translation>
    </message>
    <message>
        <source>Operation not possible, blocked by not allowed start</source>
        <translation>Operación no posible: bloqueo de inicio activo</translation>
    </message>
    <message>
        <source>Tank emptying has started, operation is possible when draining is complete</source>
        <translation>Se ha iniciado el vaciado del depósito. La operación será posible cuando termine el vaciado</translation>
    </message>
    <message>
        <source>Perform control/clean of tank</source>
        <translation>Revise y limpie el depósito</translation>
    </message>
    <message>
        <source>Check sauna before next start</source>
        <translation>Revise la sauna antes del próximo inicio</translation>
    </message>
    <message>
        <source>Fault, tank emptying has started</source>
        <translation>Avería: se ha iniciado el vaciado del depósito</translation>
    </message>
    <message>
        <source>Descaling has started, operation not possible</source>
        <translation>Se ha iniciado la descalcificación, operación no posible</translation>
    </message>
    <message>
        <source>Descaling completed</source>
        <translation>Descalcificación finalizada</translation>
    </message>
    <message>
        <source>Water in tank</source>
        <translation>Hay agua en el depósito</translation>
    </message>
    <message>
        <source>Manual tank emptying should be performed</source>
        <translation>Debe vaciarse el depósito manualmente</translation>
    </message>
    <message>
        <source>Standby operation is no longer possible in the system due to tank sensor error</source>
        <translation>El modo en espera ya no es posible en el sistema debido a un error del sensor del depósito</translation>
    </message>
    <message>
        <source>Has cleanup been performed?</source>
        <translation>¿Se ha realizado la limpieza?</translation>
    </message>
    <message>
        <source>No humidity sensor detected. Steam not allowed.</source>
        <translation>No se ha detectado ningún sensor de humedad. Vapor no permitido.</translation>
    </message>
    <message>
        <source>Automatic tank emptying interval has started. Reduced steam.</source>
        <translation>Ha comenzado el intervalo de vaciado automático del depósito. Vapor reducido.</translation>
    </message>
    <message>
        <source>Automatic tank emptying has started. Operation will resume.</source>
        <translation>Se ha iniciado el vaciado automático del depósito. El funcionamiento se reanudará.</translation>
    </message>
    <message>
        <source>Communication with addon card lost.</source>
        <translation>Se ha perdido la comunicación con la tarjeta adicional.</translation>
    </message>
    <message>
        <source>Room temperature too high. Steam production paused temporarily.</source>
        <translation>Temperatura de la cabina demasiado alta. Producción de vapor pausada temporalmente.</translation>
    </message>
    <message>
        <source>Not implemented</source>
        <translation>No implementado</translation>
    </message>
    <message>
        <source>No free %1</source>
        <translation>No hay espacio para otro %1</translation>
    </message>
    <message>
        <source>No free favorites posts available</source>
        <translation>No quedan posiciones libres para favoritos</translation>
    </message>
    <message>
        <source>A favorite post with specified name already exists</source>
        <translation>Ya existe un favorito con ese nombre</translation>
    </message>
    <message>
        <source>A favorite post named %1 already exists. Overwrite?</source>
        <translation>Ya existe un favorito llamado %1. ¿Desea sobrescribirlo?</translation>
    </message>
    <message>
        <source>Confirm favorite delete?</source>
        <translation>¿Desea eliminar el favorito?</translation>
    </message>
    <message>
        <source>No contact with control board</source>
        <translation>Sin contacto con la placa de control</translation>
    </message>
    <message>
        <source>Confirm clear calendar</source>
        <translation>¿Desea vaciar el calendario?</translation>
    </message>
    <message>
        <source>Time to ready at less than estimated heating time %1 minutes. Use anyway?</source>
        <translation>El tiempo que falta para que la sauna esté lista es inferior al tiempo de calentamiento estimado (%1 minutos). ¿Desea usar esta hora de todos modos?</translation>
    </message>
    <message>
        <source>Time to ready at less than heating time %1 minutes estimated from factory settings. Heating time will be calibrated at use. Use anyway?</source>
        <translation>El tiempo que falta para que la sauna esté lista es inferior al tiempo de calentamiento estimado según los ajustes de fábrica (%1 minutos). El tiempo de calentamiento se calibrará con el uso. ¿Desea usar esta hora de todos modos?</translation>
    </message>
    <message>
        <source>No door switch magnetic sensor connected</source>
        <translation>No hay ningún sensor magnético de puerta conectado</translation>
    </message>
    <message>
        <source>Delayed start program edited from other panel</source>
        <translation>Inicio diferido modificado desde otro panel</translation>
    </message>
    <message>
        <source>Weekday calendar program edited from other panel</source>
        <translation>Programa semanal modificado desde otro panel</translation>
    </message>
    <message>
        <source>Date calendar program edited from other panel</source>
        <translation>Programa por fecha modificado desde otro panel</translation>
    </message>
    <message>
        <source>No free time gap for new post</source>
        <translation>No hay ningún intervalo libre para un programa nuevo</translation>
    </message>
    <message>
        <source>Favorite post edited from other panel</source>
        <translation>Favorito modificado desde otro panel</translation>
    </message>
    <message>
        <source>Calendar programs affected by favorite change: %1</source>
        <translation>Programas de calendario afectados por el cambio del favorito: %1</translation>
    </message>
    <message>
        <source>Confirm delete of %1?</source>
        <translation>¿Desea eliminar %1?</translation>
    </message>
    <message>
        <source>Display will turn OFF due to inactivity (display sleep timer)</source>
        <translation>La pantalla se APAGARÁ por inactividad (temporizador de reposo de la pantalla)</translation>
    </message>
    <message>
        <source>Error switching to new language, old will be kept</source>
        <translation>Error al cambiar de idioma. Se mantendrá el idioma anterior.</translation>
    </message>
    <message>
        <source>Internal software error detected file %1 line %2: %3</source>
        <translation>Error interno de software en el archivo %1, línea %2: %3</translation>
    </message>
    <message>
        <source>File not found %1</source>
        <translation>Archivo no encontrado: %1</translation>
    </message>
    <message>
        <source>Key/translation error %1</source>
        <translation>Error de clave/traducción: %1</translation>
    </message>
    <message>
        <source>Sauna pause timer has been reset</source>
        <translation>Se ha restablecido el temporizador de pausa de la sauna</translation>
    </message>
    <message>
        <source>Sauna not allowed start, %2, conflicts with %1. Save anyway?</source>
        <translation>El bloqueo de inicio de la sauna, %2, coincide con %1. ¿Desea guardar de todos modos?</translation>
    </message>
    <message>
        <source>Sauna not allowed start, %2, may conflict with %1. Save anyway?</source>
        <translation>El bloqueo de inicio de la sauna, %2, puede coincidir con %1. ¿Desea guardar de todos modos?</translation>
    </message>
    <message>
        <source>Confirm factory reset?</source>
        <translation>¿Desea restablecer los ajustes de fábrica?</translation>
    </message>
    <message>
        <source>PIN code changed</source>
        <translation>Se ha cambiado el PIN</translation>
    </message>
    <message>
        <source>Date and time are not correct, reenter</source>
        <translation>La fecha y la hora no son correctas. Vuelva a introducirlas.</translation>
    </message>
    <message>
        <source>Confirm delete of system</source>
        <translation>¿Desea eliminar el sistema?</translation>
    </message>
    <message>
        <source>Connected to system %1</source>
        <translation>Conectado al sistema %1</translation>
    </message>
    <message>
        <source>Connect to system %1 failed, incorrect PIN</source>
        <translation>No se ha podido conectar al sistema %1: PIN incorrecto</translation>
    </message>
    <message>
        <source>Connect to system %1 failed, compatibility - update PC panel</source>
        <translation>No se ha podido conectar al sistema %1 por incompatibilidad. Actualice el panel de PC.</translation>
    </message>
    <message>
        <source>Connect to system %1 failed</source>
        <translation>No se ha podido conectar al sistema %1</translation>
    </message>
    <message>
        <source>Confirm forget of WiFi network %1</source>
        <translation>¿Desea olvidar la red wifi %1?</translation>
    </message>
    <message>
        <source>Favorite name contains unsupported characters: %1</source>
        <translation>El nombre del favorito contiene caracteres no admitidos: %1</translation>
    </message>
    <message>
        <source>Auxiliary relay name contains unsupported characters: %1</source>
        <translation>El nombre del relé auxiliar contiene caracteres no admitidos: %1</translation>
    </message>
    <message>
        <source>Descaling running</source>
        <translation>Descalcificación en curso</translation>
    </message>
    <message>
        <source>Connection to system %1 lost</source>
        <translation>Se ha perdido la conexión con el sistema %1</translation>
    </message>
    <message>
        <source>No response from system %1</source>
        <translation>El sistema %1 no responde</translation>
    </message>
    <message>
        <source>Retriveing data from system %1</source>
        <translation>Obteniendo datos del sistema %1</translation>
    </message>
    <message>
        <source>Detecting system on IP adress %1...</source>
        <translation>Buscando un sistema en la dirección IP %1...</translation>
    </message>
    <message>
        <source>No system found on IP adress %1</source>
        <translation>No se ha encontrado ningún sistema en la dirección IP %1</translation>
    </message>
    <message>
        <source>Port %1 used, using fallback announcement</source>
        <translation>El puerto %1 está en uso; se utiliza el anuncio alternativo</translation>
    </message>
    <message>
        <source>Connected to network %1</source>
        <translation>Conectado a la red %1</translation>
    </message>
    <message>
        <source>Connect to network %1 failed: %2</source>
        <translation>No se ha podido conectar a la red %1: %2</translation>
    </message>
    <message>
        <source>Connect to system %1 failed, no door switch magnetic sensor connected</source>
        <translation>No se ha podido conectar al sistema %1: no hay ningún sensor magnético de puerta conectado</translation>
    </message>
    <message>
        <source>Password contains national/special characters which are unlikely to work as WiFi password : %1</source>
        <translation>La contraseña contiene caracteres nacionales o especiales que probablemente no funcionen en una contraseña wifi: %1</translation>
    </message>
    <message>
        <source>Panel settings reset. The control board and the Wi-Fi settings were not reset. The program closes in 5 seconds.</source>
        <translation>Se han restablecido los ajustes del panel. La placa de control y los ajustes wifi no se han restablecido. El programa se cerrará en 5 segundos.</translation>
    </message>
    <message>
        <source>The settings file was damaged and has been repaired; settings on damaged lines may be lost. The damaged file was copied to %1</source>
        <translation>El archivo de ajustes estaba dañado y se ha reparado; es posible que se hayan perdido los ajustes de las líneas dañadas. El archivo dañado se ha copiado en %1</translation>
    </message>
    <message>
        <source>The settings cannot be saved. Changes will not be kept when the program closes.</source>
        <translation>No se pueden guardar los ajustes. Los cambios no se conservarán al cerrar el programa.</translation>
    </message>
    <message>
        <source>Save the changes to favorite %1?</source>
        <translation>¿Guardar los cambios del favorito %1?</translation>
    </message>
    <message>
        <source>System found on IP address %1</source>
        <translation>Se ha encontrado un sistema en la dirección IP %1</translation>
    </message>
    <message>
        <source>Another system (%1) answered at the address of %2. The panel does not connect to it.</source>
        <translation>Otro sistema (%1) ha respondido en la dirección del sistema %2. El panel no se conecta a él.</translation>
    </message>
    <message>
        <source>Save the changes to calendar program %1?</source>
        <translation>¿Guardar los cambios del programa de calendario %1?</translation>
    </message>
    <message>
        <source>The PIN lock is on. The panel unlocks with PIN %1. To set another PIN, use Change PIN.</source>
        <translation>El bloqueo por PIN está activado. El panel se desbloquea con el PIN %1. Para establecer otro PIN, use la opción Cambiar PIN.</translation>
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
        <translation>ñ</translation>
    </message>
    <message>
        <source>keyboardRow2Pos0CapsFalseSymbolTrue_</source>
        <translation>€</translation>
    </message>
    <message>
        <source>keyboardRow2Pos0CapsTrue_SymbolFalse</source>
        <translation>Ñ</translation>
    </message>
    <message>
        <source>keyboardRow2Pos0CapsTrue_SymbolTrue_</source>
        <translation>€</translation>
    </message>
    <message>
        <source>keyboardRow2Pos1CapsFalseSymbolFalse</source>
        <translation>á</translation>
    </message>
    <message>
        <source>keyboardRow2Pos1CapsFalseSymbolTrue_</source>
        <translation>$</translation>
    </message>
    <message>
        <source>keyboardRow2Pos1CapsTrue_SymbolFalse</source>
        <translation>Á</translation>
    </message>
    <message>
        <source>keyboardRow2Pos1CapsTrue_SymbolTrue_</source>
        <translation>$</translation>
    </message>
    <message>
        <source>keyboardRow2Pos2CapsFalseSymbolFalse</source>
        <translation>é</translation>
    </message>
    <message>
        <source>keyboardRow2Pos2CapsFalseSymbolTrue_</source>
        <translation>£</translation>
    </message>
    <message>
        <source>keyboardRow2Pos2CapsTrue_SymbolFalse</source>
        <translation>É</translation>
    </message>
    <message>
        <source>keyboardRow2Pos2CapsTrue_SymbolTrue_</source>
        <translation>£</translation>
    </message>
    <message>
        <source>keyboardRow2Pos3CapsFalseSymbolFalse</source>
        <translation>í</translation>
    </message>
    <message>
        <source>keyboardRow2Pos3CapsFalseSymbolTrue_</source>
        <translation>¥</translation>
    </message>
    <message>
        <source>keyboardRow2Pos3CapsTrue_SymbolFalse</source>
        <translation>Í</translation>
    </message>
    <message>
        <source>keyboardRow2Pos3CapsTrue_SymbolTrue_</source>
        <translation>¥</translation>
    </message>
    <message>
        <source>keyboardRow2Pos4CapsFalseSymbolFalse</source>
        <translation>ó</translation>
    </message>
    <message>
        <source>keyboardRow2Pos4CapsFalseSymbolTrue_</source>
        <translation>°</translation>
    </message>
    <message>
        <source>keyboardRow2Pos4CapsTrue_SymbolFalse</source>
        <translation>Ó</translation>
    </message>
    <message>
        <source>keyboardRow2Pos4CapsTrue_SymbolTrue_</source>
        <translation>°</translation>
    </message>
    <message>
        <source>keyboardRow2Pos5CapsFalseSymbolFalse</source>
        <translation>ú</translation>
    </message>
    <message>
        <source>keyboardRow2Pos5CapsFalseSymbolTrue_</source>
        <translation>§</translation>
    </message>
    <message>
        <source>keyboardRow2Pos5CapsTrue_SymbolFalse</source>
        <translation>Ú</translation>
    </message>
    <message>
        <source>keyboardRow2Pos5CapsTrue_SymbolTrue_</source>
        <translation>§</translation>
    </message>
    <message>
        <source>keyboardRow2Pos6CapsFalseSymbolFalse</source>
        <translation>ü</translation>
    </message>
    <message>
        <source>keyboardRow2Pos6CapsFalseSymbolTrue_</source>
        <translation>~</translation>
    </message>
    <message>
        <source>keyboardRow2Pos6CapsTrue_SymbolFalse</source>
        <translation>Ü</translation>
    </message>
    <message>
        <source>keyboardRow2Pos6CapsTrue_SymbolTrue_</source>
        <translation>~</translation>
    </message>
    <message>
        <source>keyboardRow2Pos7CapsFalseSymbolFalse</source>
        <translation>¿</translation>
    </message>
    <message>
        <source>keyboardRow2Pos7CapsFalseSymbolTrue_</source>
        <translation>|</translation>
    </message>
    <message>
        <source>keyboardRow2Pos7CapsTrue_SymbolFalse</source>
        <translation>¿</translation>
    </message>
    <message>
        <source>keyboardRow2Pos7CapsTrue_SymbolTrue_</source>
        <translation>|</translation>
    </message>
    <message>
        <source>keyboardRow2Pos8CapsFalseSymbolFalse</source>
        <translation>¡</translation>
    </message>
    <message>
        <source>keyboardRow2Pos8CapsFalseSymbolTrue_</source>
        <translation>\</translation>
    </message>
    <message>
        <source>keyboardRow2Pos8CapsTrue_SymbolFalse</source>
        <translation>¡</translation>
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
        <translation>Hora</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Weekstart</source>
        <translation>Inicio de semana</translation>
    </message>
    <message>
        <source>Erase calendar</source>
        <translation>Borrar calendario</translation>
    </message>
</context>
<context>
    <name>view::ConfigureDateTimeTimeViewManager</name>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Time format</source>
        <translation>Formato de hora</translation>
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
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Formato de fecha</translation>
    </message>
    <message>
        <source>YY/MM/DD</source>
        <translation>AA/MM/DD</translation>
    </message>
    <message>
        <source>DD/MM/YY</source>
        <translation>DD/MM/AA</translation>
    </message>
    <message>
        <source>MM/DD/YY</source>
        <translation>MM/DD/AA</translation>
    </message>
</context>
<context>
    <name>view::ConfigureDateTimeWeekBeginViewManager</name>
    <message>
        <source>Monday</source>
        <translation>Lunes</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Domingo</translation>
    </message>
</context>
<context>
    <name>view::ConfigureDateTimeEraseCalendarViewManager</name>
    <message>
        <source>Erase calendar</source>
        <translation>Borrar calendario</translation>
    </message>
</context>
<context>
    <name>DateTimeMenuPage</name>
    <message>
        <source>Date and time</source>
        <translation>Fecha y hora</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Weekstart</source>
        <translation>Inicio de semana</translation>
    </message>
    <message>
        <source>Erase calendar</source>
        <translation>Borrar calendario</translation>
    </message>
</context>
<context>
    <name>SetTimePage</name>
    <message>
        <source>Set time</source>
        <translation>Ajustar hora</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
</context>
<context>
    <name>SetDatePage</name>
    <message>
        <source>Set date</source>
        <translation>Ajustar fecha</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
</context>
<context>
    <name>LanguagePage</name>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
</context>
<context>
    <name>RegionPage</name>
    <message>
        <source>Region</source>
        <translation>Región</translation>
    </message>
    <message>
        <source>Choosing a region also sets its date format, time format, first day of the week and temperature unit.</source>
        <translation>Al elegir una región también se ajustan su formato de fecha, formato de hora, primer día de la semana y unidad de temperatura.</translation>
    </message>
</context>
<context>
    <name>UnitsPage</name>
    <message>
        <source>Units</source>
        <translation>Unidades</translation>
    </message>
</context>
<context>
    <name>view::ConfigureGeneralDisplayViewManager</name>
    <message>
        <source>Never</source>
        <translation>Nunca</translation>
    </message>
    <message>
        <source>15 seconds</source>
        <translation>15 segundos</translation>
    </message>
    <message>
        <source>30 seconds</source>
        <translation>30 segundos</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minuto</translation>
    </message>
    <message>
        <source>2 minutes</source>
        <translation>2 minutos</translation>
    </message>
    <message>
        <source>3 minutes</source>
        <translation>3 minutos</translation>
    </message>
    <message>
        <source>4 minutes</source>
        <translation>4 minutos</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 minutos</translation>
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
        <translation>Norteamérica</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otra</translation>
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
        <translation>Acerca de</translation>
    </message>
</context>
<context>
    <name>IdentifyBoardsPage</name>
    <message>
        <source>Identify RCB</source>
        <translation>Identificar placas</translation>
    </message>
    <message>
        <source>Press a button to sound the buzzer of that relay control board.</source>
        <translation>Pulse un botón para que suene el zumbador de la placa de relés correspondiente.</translation>
    </message>
</context>
<context>
    <name>LicencePage</name>
    <message>
        <source>License Info</source>
        <translation>Licencias</translation>
    </message>
</context>
<context>
    <name>LinuxComponentsPage</name>
    <message>
        <source>Libraries of this PC</source>
        <translation>Bibliotecas de este PC</translation>
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
        <translation>Bibliotecas de este PC</translation>
    </message>
    <message>
        <source>%1 control panel is designed using open source software components, which are subject to the copyrights of their authors.</source>
        <translation>El panel de control %1 se ha desarrollado con componentes de software de código abierto, sujetos a los derechos de autor de sus respectivos autores.</translation>
    </message>
    <message>
        <source>Component and license info is provided in english only, many licenses provide translations on their respective web site. Select component in the list below to see respective info.</source>
        <translation>La información sobre componentes y licencias solo está disponible en inglés; muchas licencias ofrecen traducciones en sus respectivos sitios web. Seleccione un componente de la lista para ver su información.</translation>
    </message>
    <message>
        <source>[The rest of the file is not shown.]</source>
        <translation>[No se muestra el resto del archivo.]</translation>
    </message>
    <message>
        <source>This</source>
        <translation>actual</translation>
    </message>
</context>
<context>
    <name>view::ConfigureGeneralAboutViewManager</name>
    <message>
        <source>License Info</source>
        <translation>Licencias</translation>
    </message>
    <message>
        <source>Identify RCB</source>
        <translation>Identificar placas</translation>
    </message>
    <message>
        <source>PC Control Panel</source>
        <translation>Panel de control para PC</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Versión de software</translation>
    </message>
    <message>
        <source>Instance</source>
        <translation>Instancia</translation>
    </message>
    <message>
        <source>Control Panel</source>
        <translation>Panel de control</translation>
    </message>
    <message>
        <source>Facility Type</source>
        <translation>Tipo de instalación</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Software</translation>
    </message>
    <message>
        <source>Node</source>
        <translation>Nodo</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Producto</translation>
    </message>
    <message>
        <source>Zerededid version</source>
        <translation>Versión de Zerededid</translation>
    </message>
    <message>
        <source>Supervised</source>
        <translation>Supervisada</translation>
    </message>
    <message>
        <source>Time Controlled</source>
        <translation>Temporizada</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Privada</translation>
    </message>
    <message>
        <source>Public</source>
        <translation>Pública</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source> Lite</source>
        <translation> Lite</translation>
    </message>
    <message>
        <source>Relay Control Board</source>
        <translation>Placa de relés</translation>
    </message>
    <message>
        <source>Temperature and Humidity Sensor</source>
        <translation>Sensor de temperatura y humedad</translation>
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
        <translation>Límites</translation>
    </message>
    <message>
        <source>Bath temperature</source>
        <translation>Temperatura de baño</translation>
    </message>
    <message>
        <source>Highest bath temperature a user can set</source>
        <translation>Temperatura de baño máxima que puede ajustar el usuario</translation>
    </message>
    <message>
        <source>Water temperature</source>
        <translation>Temperatura del agua</translation>
    </message>
    <message>
        <source>Max water fill time</source>
        <translation>Tiempo máx. de llenado</translation>
    </message>
    <message>
        <source>Overheating</source>
        <translation>Sobrecalentamiento</translation>
    </message>
    <message>
        <source>Control board</source>
        <translation>Placa de control</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Agua</translation>
    </message>
</context>
<context>
    <name>LimitEditorPage</name>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
</context>
<context>
    <name>NotAllowedStartPage</name>
    <message>
        <source>Not allowed start</source>
        <translation>Bloqueo de inicio</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>Until</source>
        <translation>Hasta</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
</context>
<context>
    <name>view::ConfigureLimitsViewManager</name>
    <message>
        <source>Bath temperature</source>
        <translation>Temperatura de baño</translation>
    </message>
    <message>
        <source>Overheating</source>
        <translation>Sobrecalentamiento</translation>
    </message>
    <message>
        <source>Water temperature</source>
        <translation>Temperatura del agua</translation>
    </message>
    <message>
        <source>Not allowed start</source>
        <translation>Bloqueo de inicio</translation>
    </message>
    <message>
        <source>Max water fill time</source>
        <translation>Tiempo máx. de llenado</translation>
    </message>
</context>
<context>
    <name>view::ConfigureLimitsNotAllowedStartViewManager</name>
    <message>
        <source>Activate time limit</source>
        <translation>Activar límite horario</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>Until</source>
        <translation>Hasta</translation>
    </message>
</context>
<context>
    <name>AdvancedSettingsPage</name>
    <message>
        <source>Advanced settings</source>
        <translation>Ajustes avanzados</translation>
    </message>
</context>
<context>
    <name>CleanupPage</name>
    <message>
        <source>Cleanup note</source>
        <translation>Aviso de limpieza</translation>
    </message>
    <message>
        <source>Time interval</source>
        <translation>Intervalo</translation>
    </message>
</context>
<context>
    <name>DurationEditorPage</name>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
</context>
<context>
    <name>ExternalSwitchPage</name>
    <message>
        <source>External switch</source>
        <translation>Interruptor externo</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Función</translation>
    </message>
    <message>
        <source>Bath time</source>
        <translation>Tiempo de baño</translation>
    </message>
</context>
<context>
    <name>FanPage</name>
    <message>
        <source>Fan</source>
        <translation>Ventilador</translation>
    </message>
    <message>
        <source>Running Time</source>
        <translation>Tiempo de marcha</translation>
    </message>
</context>
<context>
    <name>StandbyPage</name>
    <message>
        <source>Temperature reduction</source>
        <translation>Reducción de temperatura</translation>
    </message>
    <message>
        <source>Tank standby temperature</source>
        <translation>Temp. del depósito en espera</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
</context>
<context>
    <name>TankAutoEmptyingPage</name>
    <message>
        <source>Tank auto emptying</source>
        <translation>Vaciado automático</translation>
    </message>
    <message>
        <source>Time interval</source>
        <translation>Intervalo</translation>
    </message>
</context>
<context>
    <name>view::ConfigureAdvancedSettingsExtSwitchViewManager</name>
    <message>
        <source>Bath time</source>
        <translation>Tiempo de baño</translation>
    </message>
    <message>
        <source>Renew bath time</source>
        <translation>Renovar tiempo de baño</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>Encendido/apagado</translation>
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
        <translation>Tiempo de marcha</translation>
    </message>
</context>
<context>
    <name>view::ConfigureAdvancedSettingsStandbyViewManager</name>
    <message>
        <source>Enable</source>
        <translation>Activar</translation>
    </message>
    <message>
        <source>Enable standby</source>
        <translation>Activar modo en espera</translation>
    </message>
</context>
<context>
    <name>view::ConfigureAdvancedSettingsViewManager</name>
    <message>
        <source>External switch</source>
        <translation>Interruptor externo</translation>
    </message>
    <message>
        <source>Fan</source>
        <translation>Ventilador</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemCleanupViewManager</name>
    <message>
        <source>Enable</source>
        <translation>Activar</translation>
    </message>
    <message>
        <source>Time interval</source>
        <translation>Intervalo</translation>
    </message>
    <message>
        <source>Tank Empty Notes</source>
        <translation>Avisos del depósito</translation>
    </message>
    <message>
        <source>Cleanup&apos;s until now: %1</source>
        <translation>Limpiezas hasta ahora: %1</translation>
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
        <translation>Activar</translation>
    </message>
    <message>
        <source>Time interval</source>
        <translation>Intervalo</translation>
    </message>
</context>
<context>
    <name>AuxDescalingPage</name>
    <message>
        <source>Start time</source>
        <translation>Hora de inicio</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Dosage</source>
        <translation>Dosificación</translation>
    </message>
    <message>
        <source>ml</source>
        <translation>ml</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>Día de la semana</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Repetición</translation>
    </message>
</context>
<context>
    <name>AuxFragrancePage</name>
    <message>
        <source>Pump</source>
        <translation>Bomba</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Pausa</translation>
    </message>
</context>
<context>
    <name>AuxRelayPage</name>
    <message>
        <source>Function</source>
        <translation>Función</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
</context>
<context>
    <name>AuxRelaysPage</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Fragrance</source>
        <translation>Aroma</translation>
    </message>
    <message>
        <source>Descaling</source>
        <translation>Descalcificación</translation>
    </message>
</context>
<context>
    <name>BathPriorityPage</name>
    <message>
        <source>Bath type priority</source>
        <translation>Prioridad de baño</translation>
    </message>
</context>
<context>
    <name>ErrorLogPage</name>
    <message>
        <source>Error log</source>
        <translation>Registro de errores</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
</context>
<context>
    <name>FacilityTypePage</name>
    <message>
        <source>Facility type</source>
        <translation>Tipo de instalación</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
</context>
<context>
    <name>FilterPage</name>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
</context>
<context>
    <name>InitialSetup</name>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Región</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Setup after factory reset, step %1 of %2</source>
        <translation>Configuración tras restablecer los ajustes de fábrica, paso %1 de %2</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Finalizar</translation>
    </message>
</context>
<context>
    <name>IpConnectPage</name>
    <message>
        <source>IP detect</source>
        <translation>Buscar por IP</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Dirección IP</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
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
        <translation>Red</translation>
    </message>
    <message>
        <source>Sauna systems</source>
        <translation>Sistemas de sauna</translation>
    </message>
</context>
<context>
    <name>PauseTimerPage</name>
    <message>
        <source>Pause timer</source>
        <translation>Temporizador de pausa</translation>
    </message>
</context>
<context>
    <name>PinEditorPage</name>
    <message>
        <source>Enter PIN</source>
        <translation>Introduzca el PIN</translation>
    </message>
    <message>
        <source>PIN of the sauna system</source>
        <translation>PIN del sistema de sauna</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
</context>
<context>
    <name>SaunaDetailsPage</name>
    <message>
        <source>System details</source>
        <translation>Detalles del sistema</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
</context>
<context>
    <name>StatusPage</name>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
</context>
<context>
    <name>SystemMenuPage</name>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemAuxDescalingViewManager</name>
    <message>
        <source>Enable</source>
        <translation>Activar</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Hora de inicio</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Dosage</source>
        <translation>Dosificación</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>Día de la semana</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Última</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Repetición</translation>
    </message>
    <message>
        <source>Every week</source>
        <translation>Cada semana</translation>
    </message>
    <message>
        <source>Every 2nd week</source>
        <translation>Cada 2 semanas</translation>
    </message>
    <message>
        <source>Every 3rd week</source>
        <translation>Cada 3 semanas</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Cada mes</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemAuxFragranceViewManager</name>
    <message>
        <source>Pump</source>
        <translation>Bomba</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Pausa</translation>
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
        <translation>Sin usar</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>Encendido/apagado</translation>
    </message>
    <message>
        <source>Fragrance</source>
        <translation>Aroma</translation>
    </message>
    <message>
        <source>Descaling</source>
        <translation>Descalcificación</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemBathPriorityViewManager</name>
    <message>
        <source>Automatic</source>
        <translation>Automática</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Humedad</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemFacilityTypeViewManager</name>
    <message>
        <source>Private</source>
        <translation>Privada</translation>
    </message>
    <message>
        <source>Public</source>
        <translation>Pública</translation>
    </message>
    <message>
        <source>Time controlled</source>
        <translation>Temporizada</translation>
    </message>
    <message>
        <source>Supervised</source>
        <translation>Supervisada</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemFactoryResetViewManager</name>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemFilterViewManager</name>
    <message>
        <source>Filter temperature</source>
        <translation>Filtrar temperatura</translation>
    </message>
    <message>
        <source>Filter humidity</source>
        <translation>Filtrar humedad</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemHapticFeedbackViewManager</name>
    <message>
        <source>Vibration</source>
        <translation>Vibración</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemIrViewManager</name>
    <message>
        <source>Enable</source>
        <translation>Activar</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemNetworkViewManager</name>
    <message>
        <source>IP detect</source>
        <translation>Buscar por IP</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconocida</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Dirección IP</translation>
    </message>
    <message>
        <source>Last announcement</source>
        <translation>Último anuncio</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Enter PIN</source>
        <translation>Introduzca el PIN</translation>
    </message>
    <message>
        <source>Detect</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>The PIN must be 1 to 4 digits</source>
        <translation>El PIN debe tener de 1 a 4 dígitos</translation>
    </message>
    <message>
        <source>Invalid IP address</source>
        <translation>Dirección IP no válida</translation>
    </message>
    <message>
        <source>Invalid port</source>
        <translation>Puerto no válido</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemPauseTimerViewManager</name>
    <message>
        <source>Reset pause timer</source>
        <translation>Restablecer temporizador</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemRelayViewManager</name>
    <message>
        <source>Regulator</source>
        <translation>Regulador</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>Encendido/apagado</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Dividido</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemStatusViewManager</name>
    <message>
        <source>PCB relays:</source>
        <translation>Relés de la placa:</translation>
    </message>
    <message>
        <source>Clean-ups: %1</source>
        <translation>Limpiezas: %1</translation>
    </message>
    <message>
        <source>Room temperature: %1%2</source>
        <translation>Temperatura de la cabina: %1%2</translation>
    </message>
    <message>
        <source>Room humidity: %1%2</source>
        <translation>Humedad de la cabina: %1%2</translation>
    </message>
    <message>
        <source>Magnetic contact: %1</source>
        <translation>Contacto magnético: %1</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Conectado</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>No conectado</translation>
    </message>
    <message>
        <source>primary</source>
        <translation>principal</translation>
    </message>
    <message>
        <source>secondary</source>
        <translation>secundario</translation>
    </message>
    <message>
        <source>Water temperature%1: %2%3</source>
        <translation>Temperatura del agua%1: %2%3</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Bajo</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>Water level</source>
        <translation>Nivel de agua</translation>
    </message>
    <message>
        <source>Smart Start Heat Ratio: %1%2</source>
        <translation>Velocidad de calentamiento Smart Start: %1%2</translation>
    </message>
    <message>
        <source>/min</source>
        <translation>/min</translation>
    </message>
    <message>
        <source>Total runtime: %1%2</source>
        <translation>Tiempo total de funcionamiento: %1%2</translation>
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
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Cleanup note</source>
        <translation>Aviso de limpieza</translation>
    </message>
    <message>
        <source>Tank auto emptying</source>
        <translation>Vaciado automático</translation>
    </message>
    <message>
        <source>Bath type priority</source>
        <translation>Prioridad de baño</translation>
    </message>
    <message>
        <source>Pause timer</source>
        <translation>Temporizador de pausa</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>IR</source>
        <translation>IR</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Error log</source>
        <translation>Registro de errores</translation>
    </message>
    <message>
        <source>Facility type</source>
        <translation>Tipo de instalación</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemWiFiViewManager</name>
    <message>
        <source>Enable</source>
        <translation>Activar</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>External Units</source>
        <translation>Dispositivos externos</translation>
    </message>
    <message>
        <source>WiFi Networks</source>
        <translation>Redes wifi</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>No IP address found</source>
        <translation>Sin dirección IP</translation>
    </message>
    <message>
        <source>IP address: %1</source>
        <translation>Dirección IP: %1</translation>
    </message>
    <message>
        <source>IP addresses</source>
        <translation>Direcciones IP</translation>
    </message>
    <message>
        <source>Identity</source>
        <translation>Identidad</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
</context>
</TS>
