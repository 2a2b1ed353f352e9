<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>BrandLinks</name>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Oportunidad de negocio en casa. Empieza tu propio negocio en Internet y gana dinero en línea. Obtén este programa con la marca de tu sitio web. Haz clic aquí para saber más.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Pon la marca de tu sitio en este programa. Aumenta la fidelidad y el tráfico de tu sitio. Pon aquí el nombre y el enlace de tu sitio. Consulta “Ayuda” para más detalles. Haz clic aquí para saber más sobre la marca compartida.</translation>
    </message>
    <message>
        <source>The Most Popular Online Mystic Discussion Forum. Click Here To Visit %1 Now.</source>
        <translation>El foro de debate místico más popular en línea. Haz clic aquí para visitar %1 ahora.</translation>
    </message>
</context>
<context>
    <name>CommonMenus</name>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Buscar &amp;actualizaciones del programa</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Buscar actualizaciones del programa</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ayuda en &amp;línea</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visítanos en línea</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>Acerca del &amp;programa</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Donar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Gana dinero en &amp;línea</translation>
    </message>
</context>
<context>
    <name>Dates</name>
    <message>
        <source>%1 %2, %3</source>
        <comment>month, day, year</comment>
        <translation>%2 de %1 de %3</translation>
    </message>
    <message>
        <source>%2 %1 %3</source>
        <comment>month, day, year</comment>
        <translation>%2 de %1 de %3</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>month, year</comment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>%4 %2 %1 %3</source>
        <comment>month, day, year, weekday</comment>
        <translation>%4 %2 de %1 de %3</translation>
    </message>
</context>
<context>
    <name>DayBook</name>
    <message>
        <source>The days to export lie outside the calendar.</source>
        <translation>Los días que se exportan quedan fuera del calendario.</translation>
    </message>
    <message>
        <source>At most ten years are exported at once.</source>
        <translation>Se exportan como máximo diez años a la vez.</translation>
    </message>
    <message>
        <source>Long Count %1</source>
        <translation>Cuenta Larga %1</translation>
    </message>
    <message>
        <source>%1&apos;s Maya birthday</source>
        <translation>Cumpleaños maya de %1</translation>
    </message>
    <message>
        <source>Tzolk&apos;in day %1</source>
        <translation>Día del Tzolk&apos;in %1</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>The calendar file %1 could not be written: %2.</source>
        <translation>No se pudo escribir el archivo de calendario %1: %2.</translation>
    </message>
    <message>
        <source>The day book %1 is in use by another program; try again in a moment.</source>
        <translation>Otro programa está usando el libro de días %1; inténtalo de nuevo en un momento.</translation>
    </message>
    <message>
        <source>The day book %1 is damaged: %2.</source>
        <translation>El libro de días %1 está dañado: %2.</translation>
    </message>
    <message>
        <source>The day book %1 could not be saved: the disk is full.</source>
        <translation>No se pudo guardar el libro de días %1: el disco está lleno.</translation>
    </message>
    <message>
        <source>The day book %1 cannot be changed: %2.</source>
        <translation>No se puede modificar el libro de días %1: %2.</translation>
    </message>
    <message>
        <source>The day book %1 cannot be opened: %2.</source>
        <translation>No se puede abrir el libro de días %1: %2.</translation>
    </message>
    <message>
        <source>The day book %1 cannot be read: %2.</source>
        <translation>No se puede leer el libro de días %1: %2.</translation>
    </message>
    <message>
        <source>The day book %1 could not be saved: %2.</source>
        <translation>No se pudo guardar el libro de días %1: %2.</translation>
    </message>
    <message>
        <source>The day book %1 cannot be made: %2.</source>
        <translation>No se puede crear el libro de días %1: %2.</translation>
    </message>
    <message>
        <source>The day book %1 cannot be opened: it is a folder.</source>
        <translation>No se puede abrir el libro de días %1: es una carpeta.</translation>
    </message>
    <message>
        <source>The day book %1 cannot be opened: it is not a file.</source>
        <translation>No se puede abrir el libro de días %1: no es un archivo.</translation>
    </message>
    <message>
        <source>it is empty but its log is not</source>
        <translation>está vacío, pero su registro no</translation>
    </message>
    <message>
        <source>it is not a database</source>
        <translation>no es una base de datos</translation>
    </message>
    <message>
        <source>The file %1 belongs to another program; it is not used as the day book.</source>
        <translation>El archivo %1 pertenece a otro programa; no se usa como libro de días.</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver is missing</source>
        <translation>falta el controlador SQLite de Qt</translation>
    </message>
    <message>
        <source>The day book %1 was written by a newer version of Tzolkara, which this version cannot read.</source>
        <translation>El libro de días %1 lo escribió una versión más reciente de Tzolkara, que esta versión no puede leer.</translation>
    </message>
    <message>
        <source>it fails SQLite&apos;s integrity check</source>
        <translation>no pasa la comprobación de integridad de SQLite</translation>
    </message>
    <message>
        <source>The day book %1 cannot be brought up to date: %2.</source>
        <translation>No se puede actualizar el libro de días %1: %2.</translation>
    </message>
    <message>
        <source>its tables are not those of a day book</source>
        <translation>sus tablas no son las de un libro de días</translation>
    </message>
    <message>
        <source>Only a damaged day book, another program&apos;s file or a newer version&apos;s book is set aside.</source>
        <translation>Solo se aparta un libro de días dañado, el archivo de otro programa o el libro de una versión más reciente.</translation>
    </message>
    <message>
        <source>The day book %1 cannot be set aside: %2.</source>
        <translation>No se puede apartar el libro de días %1: %2.</translation>
    </message>
    <message>
        <source>That person is not in the day book.</source>
        <translation>Esa persona no está en el libro de días.</translation>
    </message>
    <message>
        <source>The backup %1 could not be written: %2.</source>
        <translation>No se pudo escribir la copia de seguridad %1: %2.</translation>
    </message>
    <message>
        <source>the day book is too large</source>
        <translation>el libro de días es demasiado grande</translation>
    </message>
    <message>
        <source>The backup %1 cannot be restored: %2.</source>
        <translation>No se puede restaurar la copia de seguridad %1: %2.</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>no es un archivo</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>es demasiado grande</translation>
    </message>
    <message>
        <source>note %1 in it is not valid</source>
        <translation>la nota %1 que contiene no es válida</translation>
    </message>
    <message>
        <source>person %1 in it is not valid</source>
        <translation>la persona %1 que contiene no es válida</translation>
    </message>
    <message>
        <source>it is damaged or incomplete</source>
        <translation>está dañada o incompleta</translation>
    </message>
    <message>
        <source>it is not a backup of the day book</source>
        <translation>no es una copia de seguridad del libro de días</translation>
    </message>
    <message>
        <source>it has no valid version</source>
        <translation>no tiene una versión válida</translation>
    </message>
    <message>
        <source>it was written by a newer version of Tzolkara</source>
        <translation>la escribió una versión más reciente de Tzolkara</translation>
    </message>
    <message>
        <source>its list of notes or of people is missing</source>
        <translation>le falta la lista de notas o la de personas</translation>
    </message>
    <message>
        <source>The day lies outside the calendar.</source>
        <translation>El día queda fuera del calendario.</translation>
    </message>
    <message>
        <source>A note holds at most %1 characters.</source>
        <translation>Una nota tiene como máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>The note holds a broken character.</source>
        <translation>La nota tiene un carácter dañado.</translation>
    </message>
    <message>
        <source>A person needs a name.</source>
        <translation>Una persona necesita un nombre.</translation>
    </message>
    <message>
        <source>A name holds at most %1 characters.</source>
        <translation>Un nombre tiene como máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>A name is one line of plain text.</source>
        <translation>Un nombre es una sola línea de texto sin formato.</translation>
    </message>
    <message>
        <source>A date of birth lies between 1 January 1 and 31 December 3999.</source>
        <translation>Una fecha de nacimiento está entre el 1 de enero del año 1 y el 31 de diciembre de 3999.</translation>
    </message>
</context>
<context>
    <name>DayMarks</name>
    <message>
        <source>Wayeb&apos; day</source>
        <translation>día del Wayeb&apos;</translation>
    </message>
    <message>
        <source>first day of a trecena</source>
        <translation>primer día de una trecena</translation>
    </message>
    <message>
        <source>tun ending</source>
        <translation>fin de tun</translation>
    </message>
    <message>
        <source>katun ending</source>
        <translation>fin de katún</translation>
    </message>
    <message>
        <source>baktun ending</source>
        <translation>fin de baktún</translation>
    </message>
    <message>
        <source>%1, the feast of the K&apos;iche&apos; day keepers.</source>
        <translation>%1, la fiesta de los contadores del tiempo k&apos;iche&apos;.</translation>
    </message>
    <message>
        <source>A day of Wayeb&apos;, the five days that close the Haab&apos;.</source>
        <translation>Un día del Wayeb&apos;, los cinco días que cierran el Haab&apos;.</translation>
    </message>
    <message>
        <source>0 Pop, the first day of the Haab&apos; year, whose bearer is %1.</source>
        <translation>0 Pop, el primer día del año del Haab&apos;, cuyo portador es %1.</translation>
    </message>
    <message>
        <source>The first of the thirteen days of the trecena %1.</source>
        <translation>El primero de los trece días de la trecena %1.</translation>
    </message>
    <message>
        <source>%1: the end of a tun, 360 days.</source>
        <translation>%1: el fin de un tun, 360 días.</translation>
    </message>
    <message>
        <source>%1: the end of a katun, 20 tuns.</source>
        <translation>%1: el fin de un katún, 20 tunes.</translation>
    </message>
    <message>
        <source>%1: the end of a baktun, 20 katuns.</source>
        <translation>%1: el fin de un baktún, 20 katunes.</translation>
    </message>
    <message>
        <source>New moon, on this day in Universal Time.</source>
        <translation>Luna nueva, en este día en tiempo universal.</translation>
    </message>
    <message>
        <source>Full moon, on this day in Universal Time.</source>
        <translation>Luna llena, en este día en tiempo universal.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>new moon</source>
        <translation>luna nueva</translation>
    </message>
    <message>
        <source>waxing crescent</source>
        <translation>creciente</translation>
    </message>
    <message>
        <source>first quarter</source>
        <translation>cuarto creciente</translation>
    </message>
    <message>
        <source>waxing gibbous</source>
        <translation>gibosa creciente</translation>
    </message>
    <message>
        <source>full moon</source>
        <translation>luna llena</translation>
    </message>
    <message>
        <source>waning gibbous</source>
        <translation>gibosa menguante</translation>
    </message>
    <message>
        <source>last quarter</source>
        <translation>cuarto menguante</translation>
    </message>
    <message>
        <source>waning crescent</source>
        <translation>menguante</translation>
    </message>
    <message>
        <source>day keepers&apos; feast</source>
        <translation>fiesta de los contadores del tiempo</translation>
    </message>
    <message>
        <source>new year</source>
        <translation>año nuevo</translation>
    </message>
</context>
<context>
    <name>MayaTerms</name>
    <message>
        <source>Long Count</source>
        <translation>Cuenta Larga</translation>
    </message>
    <message>
        <source>The days counted since the Maya creation, in baktuns, katuns, tuns, uinals and kins.</source>
        <translation>Los días contados desde la creación maya, en baktunes, katunes, tunes, uinales y kines.</translation>
    </message>
    <message>
        <source>Calendar Round</source>
        <translation>Rueda Calendárica</translation>
    </message>
    <message>
        <source>The day in the 260-day count and in the 365-day Haab&apos;; the same pair returns every 52 years.</source>
        <translation>El día en la cuenta de 260 días y en el Haab&apos; de 365 días; la misma pareja vuelve cada 52 años.</translation>
    </message>
    <message>
        <source>Lord of the Night</source>
        <translation>Señor de la Noche</translation>
    </message>
    <message>
        <source>Which of the nine Lords of the Night, G1 to G9, ruled the night of this day.</source>
        <translation>Cuál de los nueve Señores de la Noche, de G1 a G9, gobernó la noche de este día.</translation>
    </message>
    <message>
        <source>Trecena</source>
        <translation>Trecena</translation>
    </message>
    <message>
        <source>The run of thirteen days this day belongs to, named after the day that opened it.</source>
        <translation>La serie de trece días a la que pertenece este día, con el nombre del día que la abrió.</translation>
    </message>
</context>
<context>
    <name>Months</name>
    <message>
        <source>January</source>
        <translation>enero</translation>
    </message>
    <message>
        <source>February</source>
        <translation>febrero</translation>
    </message>
    <message>
        <source>March</source>
        <translation>marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>abril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mayo</translation>
    </message>
    <message>
        <source>June</source>
        <translation>junio</translation>
    </message>
    <message>
        <source>July</source>
        <translation>julio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>septiembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>octubre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>noviembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>diciembre</translation>
    </message>
</context>
<context>
    <name>Programs</name>
    <message>
        <source>Mayan Astrology</source>
        <translation>Astrología maya</translation>
    </message>
    <message>
        <source>Mayan Numerology</source>
        <translation>Numerología maya</translation>
    </message>
    <message>
        <source>Mayan Astrology Tarot</source>
        <translation>Tarot de astrología maya</translation>
    </message>
    <message>
        <source>Maya Calendar</source>
        <translation>Calendario maya</translation>
    </message>
    <message>
        <source>Maya &amp;Calendar</source>
        <translation>&amp;Calendario maya</translation>
    </message>
</context>
<context>
    <name>ReadingFile</name>
    <message>
        <source>The name is longer than %1 characters.</source>
        <translation>El nombre tiene más de %1 caracteres.</translation>
    </message>
</context>
<context>
    <name>ReadingPdf</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Lectura</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The reading could not be saved to %1.<byte value="xd"/>%2</source>
        <translation>No se pudo guardar la lectura en %1.<byte value="xd"/>%2</translation>
    </message>
</context>
<context>
    <name>ReportRuns</name>
    <message>
        <source>Name: </source>
        <translation>Nombre: </translation>
    </message>
    <message>
        <source>Date of Birth: </source>
        <translation>Fecha de nacimiento: </translation>
    </message>
    <message>
        <source>Mayan Day Number / Galactic Tone</source>
        <translation>Número maya del día / Tono galáctico</translation>
    </message>
    <message>
        <source>Mayan Number: </source>
        <translation>Número del día: </translation>
    </message>
    <message>
        <source>Mayan Day Number&apos;s Description: </source>
        <translation>Descripción del número maya del día: </translation>
    </message>
    <message>
        <source>Report Generated By %1</source>
        <translation>Informe generado por %1</translation>
    </message>
    <message>
        <source>Mayan Day Signs</source>
        <translation>Signos mayas del día</translation>
    </message>
    <message>
        <source>Mayan Day Sign: </source>
        <translation>Signo maya del día: </translation>
    </message>
    <message>
        <source>Mayan Gemstone: </source>
        <translation>Piedra del signo: </translation>
    </message>
    <message>
        <source>Mayan Keywords: </source>
        <translation>Palabras clave: </translation>
    </message>
    <message>
        <source>Mayan Significance: </source>
        <translation>Significado: </translation>
    </message>
    <message>
        <source>Mayan Day Sign&apos;s Description: </source>
        <translation>Descripción del signo maya del día: </translation>
    </message>
    <message>
        <source>Other Mayan Details</source>
        <translation>Otros detalles mayas</translation>
    </message>
    <message>
        <source>Mayan English Name: </source>
        <translation>Nombre del signo: </translation>
    </message>
    <message>
        <source>Famous Personalities born under this sign: </source>
        <translation>Personajes famosos nacidos bajo este signo: </translation>
    </message>
</context>
<context>
    <name>ResultScreenParts</name>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Day number %1</source>
        <translation>Número del día %1</translation>
    </message>
    <message>
        <source>Day number %1, %2</source>
        <translation>Número del día %1, %2</translation>
    </message>
</context>
<context>
    <name>SafeSave</name>
    <message>
        <source>The file could not be written.</source>
        <translation>No se pudo escribir el archivo.</translation>
    </message>
    <message>
        <source>Only a file can be saved over.</source>
        <translation>Solo se puede guardar sobre un archivo.</translation>
    </message>
</context>
<context>
    <name>SavedFileDialog</name>
    <message>
        <source>Select the source file</source>
        <translation>Elige el archivo de origen</translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <translation>Revisa el archivo, por favor.</translation>
    </message>
</context>
<context>
    <name>ScreenStyle</name>
    <message>
        <source>Personal Details</source>
        <translation>Datos personales</translation>
    </message>
</context>
<context>
    <name>SignNames</name>
    <message>
        <source>Crocodile</source>
        <translation>Cocodrilo</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Viento</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Noche</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Semilla</translation>
    </message>
    <message>
        <source>Serpent</source>
        <translation>Serpiente</translation>
    </message>
    <message>
        <source>Transformer</source>
        <translation>Muerte (Transformador)</translation>
    </message>
    <message>
        <source>Deer</source>
        <translation>Venado</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Estrella</translation>
    </message>
    <message>
        <source>Offering</source>
        <translation>Ofrenda</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Perro</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Road</source>
        <translation>Camino</translation>
    </message>
    <message>
        <source>Reed</source>
        <translation>Caña</translation>
    </message>
    <message>
        <source>Jaguar</source>
        <translation>Jaguar</translation>
    </message>
    <message>
        <source>Eagle</source>
        <translation>Águila</translation>
    </message>
    <message>
        <source>Wisdom</source>
        <translation>Sabiduría</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Tierra</translation>
    </message>
    <message>
        <source>Flint</source>
        <translation>Pedernal</translation>
    </message>
    <message>
        <source>Storm</source>
        <translation>Tormenta</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
</context>
<context>
    <name>SignTexts</name>
    <message>
        <source>Red Jasper</source>
        <translation>Jaspe rojo</translation>
    </message>
    <message>
        <source>Sodalite</source>
        <translation>Sodalita</translation>
    </message>
    <message>
        <source>Snowflake Obsidian</source>
        <translation>Obsidiana copo de nieve</translation>
    </message>
    <message>
        <source>Dumortierite</source>
        <translation>Dumortierita</translation>
    </message>
    <message>
        <source>Amethyst</source>
        <translation>Amatista</translation>
    </message>
    <message>
        <source>Carnelian</source>
        <translation>Cornalina</translation>
    </message>
    <message>
        <source>Amazonite</source>
        <translation>Amazonita</translation>
    </message>
    <message>
        <source>Hematite</source>
        <translation>Hematita</translation>
    </message>
    <message>
        <source>Lapis Lazuli</source>
        <translation>Lapislázuli</translation>
    </message>
    <message>
        <source>Bloodstone</source>
        <translation>Heliotropo</translation>
    </message>
    <message>
        <source>Aventurine</source>
        <translation>Aventurina</translation>
    </message>
    <message>
        <source>Malachite</source>
        <translation>Malaquita</translation>
    </message>
    <message>
        <source>Turquoise </source>
        <translation>Turquesa </translation>
    </message>
    <message>
        <source>Moonstone</source>
        <translation>Piedra de luna</translation>
    </message>
    <message>
        <source>Unakite </source>
        <translation>Unakita </translation>
    </message>
    <message>
        <source>Smokey Quartz</source>
        <translation>Cuarzo ahumado</translation>
    </message>
    <message>
        <source>Agate</source>
        <translation>Ágata</translation>
    </message>
    <message>
        <source>Rhodonite</source>
        <translation>Rodonita</translation>
    </message>
    <message>
        <source>Jade</source>
        <translation>Jade</translation>
    </message>
    <message>
        <source>Rose Quartz</source>
        <translation>Cuarzo rosa</translation>
    </message>
    <message>
        <source>Protective and dominating</source>
        <translation>Protección y dominio</translation>
    </message>
    <message>
        <source>Clever, lively, and multifaceted</source>
        <translation>Ingenio, viveza y versatilidad</translation>
    </message>
    <message>
        <source>Conservative and thoughtful</source>
        <translation>Tradición y reflexión</translation>
    </message>
    <message>
        <source>Sexual, dynamic and energetic</source>
        <translation>Sexualidad, dinamismo y energía</translation>
    </message>
    <message>
        <source>Forceful, powerful and charismatic</source>
        <translation>Fuerza, poder y carisma</translation>
    </message>
    <message>
        <source>Helpful and sacrificing</source>
        <translation>Servicio y abnegación</translation>
    </message>
    <message>
        <source>Nomadic and cooperative</source>
        <translation>Espíritu nómada y cooperación</translation>
    </message>
    <message>
        <source>Witty and jolly</source>
        <translation>Ingenio y alegría</translation>
    </message>
    <message>
        <source>Emotional and imaginative</source>
        <translation>Emoción e imaginación</translation>
    </message>
    <message>
        <source>Helpful and loyal</source>
        <translation>Ayuda y lealtad</translation>
    </message>
    <message>
        <source>Witty and demonstrative</source>
        <translation>Ingenio y expresividad</translation>
    </message>
    <message>
        <source>Careful and useful</source>
        <translation>Esmero y espíritu servicial</translation>
    </message>
    <message>
        <source>Crusading and wise</source>
        <translation>Celo justiciero y sabiduría</translation>
    </message>
    <message>
        <source>Introvert and intelligent</source>
        <translation>Introversión e inteligencia</translation>
    </message>
    <message>
        <source>Free and independent</source>
        <translation>Libertad e independencia</translation>
    </message>
    <message>
        <source>Knowledgeable and authoritative</source>
        <translation>Saber y autoridad</translation>
    </message>
    <message>
        <source>Practical and intellectual</source>
        <translation>Sentido práctico e intelecto</translation>
    </message>
    <message>
        <source>Romantic and self sufficient</source>
        <translation>Romanticismo y autosuficiencia</translation>
    </message>
    <message>
        <source>Healing and helpful</source>
        <translation>Sanación y apoyo</translation>
    </message>
    <message>
        <source>Affectionate and creative</source>
        <translation>Afecto y creatividad</translation>
    </message>
    <message>
        <source>Unity</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Justice</source>
        <translation>Justicia</translation>
    </message>
    <message>
        <source>Patience</source>
        <translation>Paciencia</translation>
    </message>
    <message>
        <source>Manifestation</source>
        <translation>Manifestación</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolución</translation>
    </message>
    <message>
        <source>Understanding</source>
        <translation>Comprensión</translation>
    </message>
    <message>
        <source>Ascension</source>
        <translation>Ascensión</translation>
    </message>
    <message>
        <source>Duality</source>
        <translation>Dualidad</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>Stability</source>
        <translation>Estabilidad</translation>
    </message>
    <message>
        <source>Empowerment</source>
        <translation>Empoderamiento</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Fluidez</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Application is already running</source>
        <translation>El programa ya está abierto</translation>
    </message>
</context>
<context>
    <name>TarotGlyphs</name>
    <message>
        <source>Ik/Wind</source>
        <translation>Ik/Viento</translation>
    </message>
    <message>
        <source>Akbal/Night</source>
        <translation>Akbal/Noche</translation>
    </message>
    <message>
        <source>Kan/Seed</source>
        <translation>Kan/Semilla</translation>
    </message>
    <message>
        <source>Chicchan/Serpent</source>
        <translation>Chicchan/Serpiente</translation>
    </message>
    <message>
        <source>Cimi/Transformer</source>
        <translation>Cimi/Muerte (Transformador)</translation>
    </message>
    <message>
        <source>Manik/Deer</source>
        <translation>Manik/Venado</translation>
    </message>
    <message>
        <source>Lamat/Star</source>
        <translation>Lamat/Estrella</translation>
    </message>
    <message>
        <source>Muluc/Offering</source>
        <translation>Muluc/Ofrenda</translation>
    </message>
    <message>
        <source>Oc/Dog</source>
        <translation>Oc/Perro</translation>
    </message>
    <message>
        <source>Chuen/Monkey</source>
        <translation>Chuen/Mono</translation>
    </message>
    <message>
        <source>Eb/Road</source>
        <translation>Eb/Camino</translation>
    </message>
    <message>
        <source>Ben/Reed</source>
        <translation>Ben/Caña</translation>
    </message>
    <message>
        <source>Ix/Jaguar</source>
        <translation>Ix/Jaguar</translation>
    </message>
    <message>
        <source>Men/Eagle</source>
        <translation>Men/Águila</translation>
    </message>
    <message>
        <source>Cib/Wisdom</source>
        <translation>Cib/Sabiduría</translation>
    </message>
    <message>
        <source>Caban/Earth</source>
        <translation>Caban/Tierra</translation>
    </message>
    <message>
        <source>Etznab/Flint</source>
        <translation>Etznab/Pedernal</translation>
    </message>
    <message>
        <source>Cauac/Storm</source>
        <translation>Cauac/Tormenta</translation>
    </message>
    <message>
        <source>Ahau/Sun</source>
        <translation>Ahau/Sol</translation>
    </message>
    <message>
        <source>Red Dragon</source>
        <translation>Dragón Rojo</translation>
    </message>
    <message>
        <source>White Wind</source>
        <translation>Viento Blanco</translation>
    </message>
    <message>
        <source>Blue Night</source>
        <translation>Noche Azul</translation>
    </message>
    <message>
        <source>Yellow Seed</source>
        <translation>Semilla Amarilla</translation>
    </message>
    <message>
        <source>Red Serpent</source>
        <translation>Serpiente Roja</translation>
    </message>
    <message>
        <source>White World Bridger</source>
        <translation>Enlazador de Mundos Blanco</translation>
    </message>
    <message>
        <source>Blue Hand</source>
        <translation>Mano Azul</translation>
    </message>
    <message>
        <source>Yellow Star</source>
        <translation>Estrella Amarilla</translation>
    </message>
    <message>
        <source>Red Moon</source>
        <translation>Luna Roja</translation>
    </message>
    <message>
        <source>White Dog</source>
        <translation>Perro Blanco</translation>
    </message>
    <message>
        <source>Blue Monkey</source>
        <translation>Mono Azul</translation>
    </message>
    <message>
        <source>Yellow Human</source>
        <translation>Humano Amarillo</translation>
    </message>
    <message>
        <source>Red Skywalker</source>
        <translation>Caminante del Cielo Rojo</translation>
    </message>
    <message>
        <source>White Wizard</source>
        <translation>Mago Blanco</translation>
    </message>
    <message>
        <source>Blue Eagle</source>
        <translation>Águila Azul</translation>
    </message>
    <message>
        <source>Yellow Warrior</source>
        <translation>Guerrero Amarillo</translation>
    </message>
    <message>
        <source>Red Earth</source>
        <translation>Tierra Roja</translation>
    </message>
    <message>
        <source>White Mirror</source>
        <translation>Espejo Blanco</translation>
    </message>
    <message>
        <source>Blue Storm</source>
        <translation>Tormenta Azul</translation>
    </message>
    <message>
        <source>Yellow Sun</source>
        <translation>Sol Amarillo</translation>
    </message>
</context>
<context>
    <name>TarotPositions</name>
    <message>
        <source>Guide</source>
        <translation>Guía</translation>
    </message>
    <message>
        <source>Challenge</source>
        <translation>Desafío</translation>
    </message>
    <message>
        <source>Central</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Ally</source>
        <translation>Aliado</translation>
    </message>
    <message>
        <source>Occult</source>
        <translation>Oculto</translation>
    </message>
    <message>
        <source>Guide Position: This position describes your current guiding force.</source>
        <translation>Posición de Guía: esta posición describe la fuerza que hoy te guía.</translation>
    </message>
    <message>
        <source>Challenge Position: This position describes your current challenges.</source>
        <translation>Posición de Desafío: esta posición describe los desafíos que enfrentas hoy.</translation>
    </message>
    <message>
        <source>Central Position: This position represents yourself.</source>
        <translation>Posición del Centro: esta posición te representa a ti.</translation>
    </message>
    <message>
        <source>Ally Position: This position describes your helpers and friends.</source>
        <translation>Posición de Aliado: esta posición describe a quienes te ayudan y a tus amistades.</translation>
    </message>
    <message>
        <source>Occult Position: This position describes your current abilities.</source>
        <translation>Posición de lo Oculto: esta posición describe tus capacidades actuales.</translation>
    </message>
    <message>
        <source>The Glyph in the Guide Position is: </source>
        <translation>El glifo en la posición de Guía es: </translation>
    </message>
    <message>
        <source>The Glyph in the Challenge Position is: </source>
        <translation>El glifo en la posición de Desafío es: </translation>
    </message>
    <message>
        <source>The Glyph in the Central Position is: </source>
        <translation>El glifo en la posición del Centro es: </translation>
    </message>
    <message>
        <source>The Glyph in the Ally Position is: </source>
        <translation>El glifo en la posición de Aliado es: </translation>
    </message>
    <message>
        <source>The Glyph in the Occult Position is: </source>
        <translation>El glifo en la posición de lo Oculto es: </translation>
    </message>
</context>
<context>
    <name>TarotReading</name>
    <message>
        <source>Sign: </source>
        <translation>Signo: </translation>
    </message>
    <message>
        <source>Name: </source>
        <translation>Nombre: </translation>
    </message>
    <message>
        <source>Description: </source>
        <translation>Descripción: </translation>
    </message>
    <message>
        <source>Tzolkara Mayan Astrology Tarot Reading</source>
        <translation>Lectura de tarot de astrología maya de Tzolkara</translation>
    </message>
</context>
<context>
    <name>ToneNames</name>
    <message>
        <source>Magnetic</source>
        <translation>Magnético</translation>
    </message>
    <message>
        <source>Lunar</source>
        <translation>Lunar</translation>
    </message>
    <message>
        <source>Electric</source>
        <translation>Eléctrico</translation>
    </message>
    <message>
        <source>Self-Existing</source>
        <translation>Autoexistente</translation>
    </message>
    <message>
        <source>Overtone</source>
        <translation>Entonado</translation>
    </message>
    <message>
        <source>Rhythmic</source>
        <translation>Rítmico</translation>
    </message>
    <message>
        <source>Resonant</source>
        <translation>Resonante</translation>
    </message>
    <message>
        <source>Galactic</source>
        <translation>Galáctico</translation>
    </message>
    <message>
        <source>Solar</source>
        <translation>Solar</translation>
    </message>
    <message>
        <source>Planetary</source>
        <translation>Planetario</translation>
    </message>
    <message>
        <source>Spectral</source>
        <translation>Espectral</translation>
    </message>
    <message>
        <source>Crystal</source>
        <translation>Cristal</translation>
    </message>
    <message>
        <source>Cosmic</source>
        <translation>Cósmico</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>Tono</translation>
    </message>
</context>
<context>
    <name>Weekdays</name>
    <message>
        <source>Monday</source>
        <translation>lunes</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>martes</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>miércoles</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>jueves</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>viernes</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>sábado</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>domingo</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>lun</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>mar</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>mié</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>jue</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>vie</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>sáb</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>dom</translation>
    </message>
</context>
<context>
    <name>modHelp</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Puede que haya una actualización de este programa.<byte value="xd"/>¿Quieres buscar actualizaciones?</translation>
    </message>
</context>
<context>
    <name>tzolkara::DayFinder</name>
    <message>
        <source>Find a day</source>
        <translation>Buscar un día</translation>
    </message>
    <message>
        <source>T&amp;zolk&apos;in day</source>
        <translation>Día del T&amp;zolk&apos;in</translation>
    </message>
    <message>
        <source>Haa&amp;b&apos; day</source>
        <translation>Día del Haa&amp;b&apos;</translation>
    </message>
    <message>
        <source>Tzolk&apos;in number</source>
        <translation>Número del Tzolk&apos;in</translation>
    </message>
    <message>
        <source>Day sign</source>
        <translation>Signo del día</translation>
    </message>
    <message>
        <source>Haab&apos; day of the month</source>
        <translation>Día del mes del Haab&apos;</translation>
    </message>
    <message>
        <source>Haab&apos; month</source>
        <translation>Mes del Haab&apos;</translation>
    </message>
    <message>
        <source>Find ne&amp;xt</source>
        <translation>Buscar si&amp;guiente</translation>
    </message>
    <message>
        <source>Find pre&amp;vious</source>
        <translation>Buscar ante&amp;rior</translation>
    </message>
    <message>
        <source>Tick both to find a Calendar Round, which returns every 52 years.</source>
        <translation>Marca los dos para buscar una Rueda Calendárica, que vuelve cada 52 años.</translation>
    </message>
    <message>
        <source>Tick a Tzolk&apos;in day, a Haab&apos; day or both.</source>
        <translation>Marca un día del Tzolk&apos;in, un día del Haab&apos; o los dos.</translation>
    </message>
    <message>
        <source>Wayeb&apos; has only the days 0 to 4.</source>
        <translation>Wayeb&apos; solo tiene los días 0 a 4.</translation>
    </message>
    <message>
        <source>No day is %1: the sign %2 meets only the Haab&apos; days %3 of a month.</source>
        <translation>Ningún día es %1: el signo %2 solo coincide con los días %3 de un mes del Haab&apos;.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the last two of a list</comment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>No %1 comes before the calendar ends.</source>
        <translation>Ningún %1 posterior cae dentro del calendario.</translation>
    </message>
    <message>
        <source>No %1 comes after the calendar begins.</source>
        <translation>Ningún %1 anterior cae dentro del calendario.</translation>
    </message>
    <message>
        <source>The next %1 is the day after.</source>
        <translation>El próximo %1 es el día siguiente.</translation>
    </message>
    <message>
        <source>The previous %1 was the day before.</source>
        <translation>El %1 anterior fue el día anterior.</translation>
    </message>
    <message>
        <source>The next %1 is %2 days later.</source>
        <translation>El próximo %1 es %2 días después.</translation>
    </message>
    <message>
        <source>The previous %1 was %2 days earlier.</source>
        <translation>El %1 anterior fue %2 días antes.</translation>
    </message>
    <message>
        <source>Choose a sign or type it in any spelling, Yucatec, K&apos;iche&apos; or colonial (Chuwen, B&apos;atz&apos;, Chuen), or type a whole day (8 Chuen, 4 Ahau 8 Pop). Enter finds the next.</source>
        <translation>Elige un signo o escribe su nombre con cualquier grafía, yucateca, k&apos;iche&apos; o colonial (Chuwen, B&apos;atz&apos;, Chuen), o escribe un día completo (8 Chuen, 4 Ahau 8 Pop). La tecla Entrar busca el siguiente.</translation>
    </message>
    <message>
        <source>Fea&amp;sts</source>
        <translation>&amp;Fiestas</translation>
    </message>
    <message>
        <source>Find one of the feasts, Long Count endings or phases of the Moon the grid marks, instead of a day.</source>
        <translation>Busca una de las fiestas, fines de periodo de la Cuenta Larga o fases de la Luna que marca la cuadrícula, en lugar de un día.</translation>
    </message>
    <message>
        <source>Feast</source>
        <translation>Fiesta</translation>
    </message>
    <message>
        <source>No day sign is called &quot;%1&quot;.</source>
        <translation>Ningún signo de los días se llama «%1».</translation>
    </message>
    <message>
        <source>No %1 comes before the calendar ends.</source>
        <comment>a feast or a mark</comment>
        <translation>No hay %1 posterior dentro del calendario.</translation>
    </message>
    <message>
        <source>No %1 comes after the calendar begins.</source>
        <comment>a feast or a mark</comment>
        <translation>No hay %1 anterior dentro del calendario.</translation>
    </message>
    <message>
        <source>The next %1 is the day after.</source>
        <comment>a feast or a mark</comment>
        <translation>%1 siguiente: al día siguiente.</translation>
    </message>
    <message>
        <source>The previous %1 was the day before.</source>
        <comment>a feast or a mark</comment>
        <translation>%1 anterior: el día anterior.</translation>
    </message>
    <message>
        <source>The next %1 is %2 days later.</source>
        <comment>a feast or a mark</comment>
        <translation>%1 siguiente: %2 días después.</translation>
    </message>
    <message>
        <source>The previous %1 was %2 days earlier.</source>
        <comment>a feast or a mark</comment>
        <translation>%1 anterior: %2 días antes.</translation>
    </message>
</context>
<context>
    <name>tzolkara::DayPanel</name>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>The day in the Gregorian calendar, counted back before 1582 as if it had always been in use.</source>
        <translation>El día en el calendario gregoriano, contado hacia atrás antes de 1582 como si siempre hubiera estado en uso.</translation>
    </message>
    <message>
        <source>Julian calendar</source>
        <translation>Calendario juliano</translation>
    </message>
    <message>
        <source>The same day in the Julian calendar, in which historians write most dates before 15 October 1582.</source>
        <translation>El mismo día en el calendario juliano, en el que los historiadores escriben la mayoría de las fechas anteriores al 15 de octubre de 1582.</translation>
    </message>
    <message>
        <source>Julian day number</source>
        <translation>Número de día juliano</translation>
    </message>
    <message>
        <source>The days counted since 1 January 4713 BC of the Julian calendar, as astronomers count them.</source>
        <translation>Los días contados desde el 1 de enero de 4713 a. C. del calendario juliano, como los cuentan los astrónomos.</translation>
    </message>
    <message>
        <source>Tzolk&apos;in</source>
        <translation>Tzolk&apos;in</translation>
    </message>
    <message>
        <source>The day in the 260-day count: a number from 1 to 13 and one of the 20 day signs.</source>
        <translation>El día en la cuenta de 260 días: un número del 1 al 13 y uno de los 20 signos de los días.</translation>
    </message>
    <message>
        <source>Haab&apos;</source>
        <translation>Haab&apos;</translation>
    </message>
    <message>
        <source>The day in the 365-day year: 18 months of 20 days and the 5 days of Wayeb&apos;.</source>
        <translation>El día en el año de 365 días: 18 meses de 20 días y los 5 días del Wayeb&apos;.</translation>
    </message>
    <message>
        <source>Day of the 260 days</source>
        <translation>Día de los 260 días</translation>
    </message>
    <message>
        <source>The day&apos;s place in the 260-day count with 1 Imix as day 1, as most calendar tools count. It is not the kin number of the readings, whose day 1 is 8 Chuwen.</source>
        <translation>El lugar del día en la cuenta de 260 días con 1 Imix como día 1, como cuentan la mayoría de las herramientas de calendario. No es el número kin de las lecturas, cuyo día 1 es 8 Chuwen.</translation>
    </message>
    <message>
        <source>The selected day</source>
        <translation>El día elegido</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a caption and its value, as a screen reader says them</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The same day with its sign in the other set of names: Yucatec, as most epigraphy writes them, or K&apos;iche&apos;, as the highland day keepers count.</source>
        <translation>El mismo día con su signo en el otro juego de nombres: yucateco, como los escribe la mayor parte de la epigrafía, o k&apos;iche&apos;, como cuentan los contadores del tiempo del altiplano.</translation>
    </message>
    <message>
        <source>Year bearer</source>
        <translation>Portador del año</translation>
    </message>
    <message>
        <source>The Tzolk&apos;in day on which this Haab&apos; year began, at 0 Pop, and the date it began. A year of 365 days moves the sign on by five, so only four signs bear the years.</source>
        <translation>El día del Tzolk&apos;in en que empezó este año del Haab&apos;, en 0 Pop, y la fecha en que empezó. Un año de 365 días adelanta el signo cinco lugares, así que solo cuatro signos cargan los años.</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Marcas</translation>
    </message>
    <message>
        <source>What the month grid marks on this day: 8 B&apos;atz&apos;, the days of Wayeb&apos;, 0 Pop, the first day of a trecena, the ends of a tun, a katun or a baktun, and the new and the full moon.</source>
        <translation>Lo que la cuadrícula del mes marca en este día: 8 B&apos;atz&apos;, los días del Wayeb&apos;, 0 Pop, el primer día de una trecena, el fin de un tun, un katún o un baktún, y la luna nueva y la llena.</translation>
    </message>
    <message>
        <source>Age of the Moon</source>
        <translation>Edad de la Luna</translation>
    </message>
    <message>
        <source>The days since the last new moon, at noon Universal Time of this day.</source>
        <translation>Los días desde la última luna nueva, al mediodía en tiempo universal de este día.</translation>
    </message>
    <message>
        <source>Phase of the Moon</source>
        <translation>Fase de la Luna</translation>
    </message>
    <message>
        <source>New moon, first quarter, full moon and last quarter fall on the day, in Universal Time, that holds their instant; between them the Moon is a crescent or gibbous, waxing or waning.</source>
        <translation>La luna nueva, el cuarto creciente, la luna llena y el cuarto menguante caen en el día, en tiempo universal, que contiene su instante; entre ellos la Luna está creciente o menguante, en hoz o gibosa.</translation>
    </message>
    <message>
        <source>In Yucatec</source>
        <translation>En yucateco</translation>
    </message>
    <message>
        <source>In K&apos;iche&apos;</source>
        <translation>En k&apos;iche&apos;</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>the year bearer and the date it began</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 días</translation>
    </message>
</context>
<context>
    <name>tzolkara::EntryScreen</name>
    <message>
        <source>Tzolkara Mayan Astrology</source>
        <translation>Astrología maya de Tzolkara</translation>
    </message>
    <message>
        <source>Tzolkara Mayan Numerology</source>
        <translation>Numerología maya de Tzolkara</translation>
    </message>
    <message>
        <source>Get My &amp;Mayan Astrology Sign</source>
        <translation>Obtener mi signo de astrología &amp;maya</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Enter your date of birth and know more about your lucky Mayan Day Number!</source>
        <translation>¡Escribe tu fecha de nacimiento y descubre más sobre tu número maya del día de la suerte!</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>Fecha de nacimiento</translation>
    </message>
    <message>
        <source>Get &amp;Mayan Astrology Result</source>
        <translation>Ver mi resultado de astrología &amp;maya</translation>
    </message>
    <message>
        <source>&amp;Get My Mayan Numerology Reading</source>
        <translation>Ver mi lectura de numerología &amp;maya</translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>Abrir una lectura &amp;guardada</translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translation>Mes de nacimiento</translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translation>Día de nacimiento</translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translation>Año de nacimiento</translation>
    </message>
    <message>
        <source>The Tzolkara emblem</source>
        <translation>El emblema de Tzolkara</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Escribe tu nombre, por favor.</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Elige una fecha válida, por favor.</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Elige una fecha válida, por favor.</translation>
    </message>
    <message>
        <source>Mayan Astrology (*.man)</source>
        <translation>Astrología maya (*.man)</translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <translation>Revisa el archivo, por favor.</translation>
    </message>
</context>
<context>
    <name>tzolkara::GoToBox</name>
    <message>
        <source>Go to a day</source>
        <translation>Ir a un día</translation>
    </message>
    <message>
        <source>&amp;Go to</source>
        <translation>&amp;Ir a</translation>
    </message>
    <message>
        <source>YYYY-MM-DD or 9.12.11.5.18</source>
        <translation>AAAA-MM-DD o 9.12.11.5.18</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Dates in the &amp;Julian calendar</source>
        <translation>Fechas del calendario &amp;juliano</translation>
    </message>
    <message>
        <source>Historians usually write dates before 15 October 1582, when the Gregorian calendar began, in the Julian calendar. Typed dates and the month grid then follow it.</source>
        <translation>Los historiadores suelen escribir las fechas anteriores al 15 de octubre de 1582, cuando empezó el calendario gregoriano, en el calendario juliano. Las fechas escritas y la cuadrícula del mes lo siguen entonces.</translation>
    </message>
    <message>
        <source>The calendar holds the days from %1 to %2.</source>
        <translation>El calendario abarca los días del %1 al %2.</translation>
    </message>
    <message>
        <source>That day does not exist in the Julian calendar.</source>
        <translation>Ese día no existe en el calendario juliano.</translation>
    </message>
    <message>
        <source>That day does not exist in the Gregorian calendar.</source>
        <translation>Ese día no existe en el calendario gregoriano.</translation>
    </message>
    <message>
        <source>In a Long Count the uinal runs from 0 to 17, and the katun, the tun and the kin from 0 to 19.</source>
        <translation>En una Cuenta Larga el uinal va de 0 a 17, y el katún, el tun y el kin de 0 a 19.</translation>
    </message>
    <message>
        <source>A date as you write it (%1, %2 or 2012-12-21), or a Long Count (five numbers, as 9.12.11.5.18).</source>
        <translation>Una fecha como la escribes (%1, %2 o 2012-12-21), o una Cuenta Larga (cinco números, como 9.12.11.5.18).</translation>
    </message>
    <message>
        <source>Type a date (%1, %2 or 2012-12-21) or a Long Count (9.12.11.5.18).</source>
        <translation>Escribe una fecha (%1, %2 o 2012-12-21) o una Cuenta Larga (9.12.11.5.18).</translation>
    </message>
</context>
<context>
    <name>tzolkara::MayaDayFrame</name>
    <message>
        <source>This day in the Maya calendar</source>
        <translation>Este día en el calendario maya</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Show in the calendar</source>
        <translation>Ver en el calendario</translation>
    </message>
    <message>
        <source>Opens the Maya Calendar on this day</source>
        <translation>Abre el Calendario maya en este día</translation>
    </message>
</context>
<context>
    <name>tzolkara::MonthGrid</name>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <comment>a day, then what the calendar marks on it</comment>
        <translation>%1; %2</translation>
    </message>
</context>
<context>
    <name>tzolkara::ReportScreen</name>
    <message>
        <source>Tzolkara Mayan Astrology</source>
        <translation>Astrología maya de Tzolkara</translation>
    </message>
    <message>
        <source>Tzolkara Mayan Numerology</source>
        <translation>Numerología maya de Tzolkara</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>Save as P&amp;DF</source>
        <translation>Guardar como &amp;PDF</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>Haz clic aquí para visitar %1 ahora</translation>
    </message>
    <message>
        <source>The Most Popular Online Mystic Discussion Forum</source>
        <translation>El foro de debate místico más popular en línea</translation>
    </message>
    <message>
        <source>Rich Text Format (*.man)</source>
        <translation>Formato de texto enriquecido (*.man)</translation>
    </message>
    <message>
        <source>The reading could not be saved to %1.<byte value="xd"/>%2</source>
        <translation>No se pudo guardar la lectura en %1.<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>No printer is available. Install a printer, then print the report again.</source>
        <translation>No hay ninguna impresora disponible. Instala una impresora y vuelve a imprimir el informe.</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>No se pudo imprimir el informe.</translation>
    </message>
    <message>
        <source>Date of birth: %1</source>
        <translation>Fecha de nacimiento: %1</translation>
    </message>
    <message>
        <source>%1 reading for %2</source>
        <translation>%1: lectura para %2</translation>
    </message>
</context>
<context>
    <name>tzolkara::frmAbout</name>
    <message>
        <source>Tzolkara determines your Mayan astrology zodiac sign, Mayan numerology sign and mayan astrology tarot reading. This program gives you a detailed interpretation of the sign you belong to in the Mayan zodiac, your Mayan Day Number / Galactic Number, your characteristic traits and your personality based on different signs. This program also helps a person understand his personality and improve himself for the better.</source>
        <translation>Tzolkara determina tu signo de la astrología maya, tu signo de la numerología maya y tu lectura de tarot de astrología maya. Este programa te da una interpretación detallada del signo de la astrología maya al que perteneces, de tu número del día (el tono galáctico), de tus rasgos característicos y de tu personalidad según los distintos signos. Este programa también ayuda a las personas a comprender su personalidad y a mejorar como personas.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. </source>
        <translation>Oportunidad de negocio en casa. Empieza tu propio negocio en Internet y gana dinero en línea. Obtén este programa con la marca de tu sitio web. </translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Haz clic aquí para saber más.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Haz clic aquí para visitar %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Free software under the GNU GPL, version 3 or later;
its texts and pictures under CC BY-SA 4.0.</source>
        <translation>Software libre bajo la GNU GPL, versión 3 o posterior;
sus textos e imágenes bajo CC BY-SA 4.0.</translation>
    </message>
    <message>
        <source>Its parts: Mayan Astrology, Mayan Numerology, the Mayan Astrology Tarot, and the Maya Calendar, which follows the 260-day count, the Haab&apos; and the Long Count from day to day, with their feasts, the year bearers and the Moon.</source>
        <translation>Sus partes: la Astrología maya, la Numerología maya, el Tarot de astrología maya y el Calendario maya, que sigue día a día la cuenta de 260 días, el Haab&apos; y la Cuenta Larga, con sus fiestas, los portadores del año y la Luna.</translation>
    </message>
</context>
<context>
    <name>tzolkara::frmMDI</name>
    <message>
        <source>Welcome to Tzolkara</source>
        <translation>Te damos la bienvenida a Tzolkara</translation>
    </message>
    <message>
        <source>Welcome to the world of Mayan Astrology! Know more about your Mayan Astrology sign. Know what your Mayan Numerology lucky number is or consult the Mayan Astrology Tarot Oracle!</source>
        <translation>¡Te damos la bienvenida al mundo de la astrología maya! Descubre más sobre tu signo de la astrología maya. ¡Conoce tu número de la suerte de la numerología maya o consulta el oráculo del tarot de astrología maya!</translation>
    </message>
    <message>
        <source>Tzolkara includes the following programs</source>
        <translation>Tzolkara incluye los siguientes programas</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>The Most Popular Online Mystic Forum. Best Resource For Everything Mystic. Visit %1 Now</source>
        <translation>El foro místico más popular en línea. El mejor recurso para todo lo místico. Visita %1 ahora</translation>
    </message>
    <message>
        <source>Icon of %1</source>
        <translation>Icono de %1</translation>
    </message>
    <message>
        <source>The Tzolkara emblem</source>
        <translation>El emblema de Tzolkara</translation>
    </message>
    <message>
        <source>Today in the 260-day count and the Haab&apos;, then in the Long Count of days since the Maya creation.</source>
        <translation>Hoy en la cuenta de 260 días y en el Haab&apos;, y luego en la Cuenta Larga de días desde la creación maya.</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Today: %1, %2</source>
        <translation>Hoy: %1, %2</translation>
    </message>
    <message>
        <source>Opens the %1</source>
        <translation>Abre el %1</translation>
    </message>
</context>
<context>
    <name>tzolkara::frmMayaCalendar</name>
    <message>
        <source>Tzolkara Maya Calendar</source>
        <translation>Calendario maya de Tzolkara</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Previous month</source>
        <translation>Mes an&amp;terior</translation>
    </message>
    <message>
        <source>&amp;Next month</source>
        <translation>Mes siguie&amp;nte</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>&amp;Hoy</translation>
    </message>
    <message>
        <source>Days of the month</source>
        <translation>Días del mes</translation>
    </message>
    <message>
        <source>Astrology &amp;reading for this day</source>
        <translation>&amp;Lectura astrológica de este día</translation>
    </message>
    <message>
        <source>Opens Mayan Astrology with this day as the birth date. Readings are given for the days from 1 January 1900 to today.</source>
        <translation>Abre la Astrología maya con este día como fecha de nacimiento. Las lecturas se dan para los días desde el 1 de enero de 1900 hasta hoy.</translation>
    </message>
    <message>
        <source>%1 (Julian calendar)</source>
        <translation>%1 (calendario juliano)</translation>
    </message>
    <message>
        <source>Day names</source>
        <translation>Nombres de los días</translation>
    </message>
    <message>
        <source>&amp;Yucatec names</source>
        <translation>Nombres &amp;yucatecos</translation>
    </message>
    <message>
        <source>Imix, Ik&apos;, Ak&apos;bal ... Ajaw, as most epigraphy writes the day signs.</source>
        <translation>Imix, Ik&apos;, Ak&apos;bal ... Ajaw, como escribe los signos de los días la mayor parte de la epigrafía.</translation>
    </message>
    <message>
        <source>&amp;K&apos;iche&apos; names</source>
        <translation>Nombres &amp;k&apos;iche&apos;</translation>
    </message>
    <message>
        <source>Imox, Iq&apos;, Aq&apos;ab&apos;al ... Ajpu, as the day keepers of the Guatemalan highlands count the days.</source>
        <translation>Imox, Iq&apos;, Aq&apos;ab&apos;al ... Ajpu, como cuentan los días los contadores del tiempo del altiplano de Guatemala.</translation>
    </message>
</context>
<context>
    <name>tzolkara::frmMayanAstrologyResult</name>
    <message>
        <source>Tzolkara Mayan Astrology</source>
        <translation>Astrología maya de Tzolkara</translation>
    </message>
    <message>
        <source>Mayan Day Sign</source>
        <translation>Signo maya del día</translation>
    </message>
    <message>
        <source>Day sign</source>
        <translation>Signo del día</translation>
    </message>
    <message>
        <source>English Name</source>
        <translation>Nombre del signo</translation>
    </message>
    <message>
        <source>Mayan Gemstone</source>
        <translation>Piedra del signo</translation>
    </message>
    <message>
        <source>Mayan Keywords</source>
        <translation>Palabras clave</translation>
    </message>
    <message>
        <source>Mayan Significance</source>
        <translation>Significado</translation>
    </message>
    <message>
        <source>Famous Personalities</source>
        <translation>Personajes famosos</translation>
    </message>
    <message>
        <source>Mayan Day Number / Galactic Tone</source>
        <translation>Número maya del día / Tono galáctico</translation>
    </message>
    <message>
        <source>Day number</source>
        <translation>Número del día</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Day sign %1 (%2)</source>
        <translation>Signo del día %1 (%2)</translation>
    </message>
</context>
<context>
    <name>tzolkara::frmMayanAstrologyTarotMain</name>
    <message>
        <source>Tzolkara Mayan Astrology Tarot</source>
        <translation>Tarot de astrología maya de Tzolkara</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. Visit %1 Now</source>
        <translation>El foro de debate místico más popular en línea. El mejor recurso para todo lo místico. Visita %1 ahora</translation>
    </message>
    <message>
        <source>Let the Mayan Glyphs help you solve your problems. Enter your problem and get an instant Mayan Astrology Tarot reading!</source>
        <translation>Deja que los glifos mayas te ayuden a resolver tus problemas. ¡Describe tu problema y obtén al instante una lectura de tarot de astrología maya!</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Describe the Problem</source>
        <translation>Describe el problema</translation>
    </message>
    <message>
        <source>&amp;Get My Mayan Astrology Tarot Reading</source>
        <translation>Ver mi lectura de &amp;tarot de astrología maya</translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>Abrir una lectura &amp;guardada</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Escribe tu nombre, por favor.</translation>
    </message>
    <message>
        <source>Numerwell (*.num)</source>
        <translation>Numerwell (*.num)</translation>
    </message>
</context>
<context>
    <name>tzolkara::frmMayanAstrologyTarotResult</name>
    <message>
        <source>Tzolkara Mayan Astrology Tarot</source>
        <translation>Tarot de astrología maya de Tzolkara</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Guardar como PDF…</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Guía</translation>
    </message>
    <message>
        <source>Challenge</source>
        <translation>Desafío</translation>
    </message>
    <message>
        <source>Central</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Ally</source>
        <translation>Aliado</translation>
    </message>
    <message>
        <source>Occult</source>
        <translation>Oculto</translation>
    </message>
    <message>
        <source>The Most Popular Online Mystic Discussion Forum. Click Here To Visit %1 Now</source>
        <translation>El foro de debate místico más popular en línea. Haz clic aquí para visitar %1 ahora</translation>
    </message>
    <message>
        <source>Reading of %1</source>
        <translation>Lectura del %1</translation>
    </message>
    <message>
        <source>%1 reading for %2</source>
        <translation>%1: lectura para %2</translation>
    </message>
</context>
<context>
    <name>tzolkara::frmMayanNumerologyResult</name>
    <message>
        <source>Tzolkara Mayan Numerology</source>
        <translation>Numerología maya de Tzolkara</translation>
    </message>
    <message>
        <source>Tzolkara Mayan Numerology Result</source>
        <translation>Resultado de numerología maya de Tzolkara</translation>
    </message>
    <message>
        <source>Day number</source>
        <translation>Número del día</translation>
    </message>
    <message>
        <source>Mayan Day Number</source>
        <translation>Número maya del día</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Desc</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
</context>
</TS>
