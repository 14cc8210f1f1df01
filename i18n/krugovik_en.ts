<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>ClubFolder</name>
    <message>
        <source>Не удалось скопировать пример %1 в папку %2: %3.</source>
        <translation>Could not copy the sample %1 into the folder %2: %3.</translation>
    </message>
    <message>
        <source>Не удалось создать папку %1: так уже называется файл.</source>
        <translation>Could not create the folder %1: a file has that name.</translation>
    </message>
    <message>
        <source>Не удалось создать папку %1.</source>
        <translation>Could not create the folder %1.</translation>
    </message>
    <message>
        <source>Не удалось перейти в папку %1.</source>
        <translation>Could not change to the folder %1.</translation>
    </message>
    <message>
        <source> Программа работает в папке %1.</source>
        <translation> The program works in the folder %1.</translation>
    </message>
    <message>
        <source>В папке последнего турнира %1 нет базы игроков BASE.DAT, поэтому программа работает в папке клуба:

%2

</source>
        <translation>The folder of the last tournament, %1, has no player base BASE.DAT, so the program works in the club folder:

%2

</translation>
    </message>
    <message>
        <source>Программа работает в папке клуба:

%1

</source>
        <translation>The program works in the club folder:

%1

</translation>
    </message>
    <message>
        <source>В неё скопированы примеры базы игроков и турниров: %1. </source>
        <translation>Sample player base and tournaments were copied into it: %1. </translation>
    </message>
    <message>
        <source>Базы игроков BASE.DAT в ней нет: программа начнёт новую, пустую. </source>
        <translation>It has no player base BASE.DAT: the program starts a new, empty one. </translation>
    </message>
    <message>
        <source>Базу игроков BASE.DAT программа берёт из этой папки. </source>
        <translation>The program takes the player base BASE.DAT from this folder. </translation>
    </message>
    <message>
        <source>В следующий раз она откроется в папке последнего открытого турнира, если там есть база игроков.</source>
        <translation>Next time it opens in the folder of the last tournament opened, if that folder has a player base.</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Папка клуба</source>
        <translation>Club folder</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>имя не может состоять из одних пробелов</source>
        <translation>a name cannot consist of spaces only</translation>
    </message>
    <message>
        <source>имена «.» и «..» заняты системой</source>
        <translation>the names “.” and “..” are reserved by the system</translation>
    </message>
    <message>
        <source>в имени не может быть знаков / и \</source>
        <translation>a name cannot contain / or \</translation>
    </message>
    <message>
        <source>в имени не может быть управляющих символов</source>
        <translation>a name cannot contain control characters</translation>
    </message>
    <message>
        <source>имя слишком длинное</source>
        <translation>the name is too long</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>ru</source>
        <comment>ISO 639-1 code of the language of this translation</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Файл</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Загрузить (создать) турнир</source>
        <translation>Open (create) tournament</translation>
    </message>
    <message>
        <source>Открыть TRF…</source>
        <translation>Open TRF…</translation>
    </message>
    <message>
        <source>В этой сборке Qt нет кодовой страницы Windows-1251. Файлы турнира и базы игроков нельзя ни прочитать, ни записать.</source>
        <translation>This build of Qt has no Windows-1251 code page. Tournament files and the player base can be neither read nor written.</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Правка</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Повторить</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Итоги</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>Итоговая таблица</source>
        <translation>Final standings</translation>
    </message>
    <message>
        <source>Места</source>
        <translation>Places</translation>
    </message>
    <message>
        <source>Сохранить для сайта (HTML)…</source>
        <translation>Save for the web (HTML)…</translation>
    </message>
    <message>
        <source>Сохранить для таблиц (CSV)…</source>
        <translation>Save for spreadsheets (CSV)…</translation>
    </message>
    <message>
        <source>Сохранить отчёт TRF…</source>
        <translation>Save TRF report…</translation>
    </message>
    <message>
        <source>Правила распределения мест…</source>
        <translation>Tie-break rules…</translation>
    </message>
    <message>
        <source>Порядок при равенстве…</source>
        <translation>Order of tied players…</translation>
    </message>
    <message>
        <source>Сохранить для сайта (HTML)</source>
        <translation>Save for the web (HTML)</translation>
    </message>
    <message>
        <source>Веб-страница (*.html)</source>
        <translation>Web page (*.html)</translation>
    </message>
    <message>
        <source>Сохранить для таблиц (CSV)</source>
        <translation>Save for spreadsheets (CSV)</translation>
    </message>
    <message>
        <source>Таблица CSV (*.csv)</source>
        <translation>CSV table (*.csv)</translation>
    </message>
    <message>
        <source>Сохранить отчёт TRF</source>
        <translation>Save TRF report</translation>
    </message>
    <message>
        <source>Отчёт TRF (*.trf)</source>
        <translation>TRF report (*.trf)</translation>
    </message>
    <message>
        <source>Турнир уже идёт. Изменить правила распределения мест?</source>
        <translation>The tournament is under way. Change the tie-break rules?</translation>
    </message>
    <message>
        <source>Файл %1 не сохранён: %2.</source>
        <translation>The file %1 was not saved: %2.</translation>
    </message>
    <message>
        <source>Равенства нет: правила развели всех игроков.</source>
        <translation>No ties: the rules have separated all players.</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Сведения о турнире…</source>
        <translation>Event details…</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Руководство</source>
        <translation>Handbook</translation>
    </message>
    <message>
        <source>файл не читается: %1</source>
        <translation>the file cannot be read: %1</translation>
    </message>
    <message>
        <source>файл слишком велик для TRF кругового турнира</source>
        <translation>the file is too large for the TRF of a round robin</translation>
    </message>
    <message>
        <source>строка %1: </source>
        <translation>line %1: </translation>
    </message>
    <message>
        <source>Открыть TRF</source>
        <translation>Open TRF</translation>
    </message>
    <message>
        <source>Файлы TRF (*.trf *.TRF *.txt *.TXT)</source>
        <translation>TRF files (*.trf *.TRF *.txt *.TXT)</translation>
    </message>
    <message>
        <source>Турнир из файла %1 не создан: %2.</source>
        <translation>No tournament was created from the file %1: %2.</translation>
    </message>
    <message>
        <source>Сохранить турнир</source>
        <translation>Save the tournament</translation>
    </message>
    <message>
        <source>Текстовые файлы (*.TXT)</source>
        <translation>Text files (*.TXT)</translation>
    </message>
    <message numerus="yes">
        <source>Игроков из файла нет в базе: %n. Добавить их в базу?</source>
        <translation>
            <numerusform>%n player of the file is not in the base. Add the player to the base?</numerusform>
            <numerusform>%n players of the file are not in the base. Add them to the base?</numerusform>
        </translation>
    </message>
    <message>
        <source>Игроки не добавлены в базу: %1.</source>
        <translation>The players were not added to the base: %1.</translation>
    </message>
    <message>
        <source>База</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>Загрузить рейтинг-лист…</source>
        <translation>Load rating list…</translation>
    </message>
    <message>
        <source>Список ФИДЕ (TXT, XML или ZIP) или федерации (CSV) для поиска игроков</source>
        <translation>FIDE&apos;s list (TXT, XML or ZIP) or a federation&apos;s (CSV) to find players in</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Круговик</source>
        <translation>Krugovik</translation>
    </message>
</context>
<context>
    <name>QCocoaTheme</name>
    <message>
        <source>Don&apos;t Save</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>krugovik::BaseEditor</name>
    <message>
        <source>Изменение не записано в базу игроков %1: %2.</source>
        <translation>The change was not written to the player base %1: %2.</translation>
    </message>
    <message>
        <source>Не удалось открыть или записать базу игроков %1: %2</source>
        <translation>Could not open or write the player base %1: %2</translation>
    </message>
    <message>
        <source>Базу игроков %1 можно только читать: %2. Просматривать её, заносить игроков в таблицу и печатать список можно, но изменения в базе сохранены не будут.</source>
        <translation>The player base %1 can only be read: %2. You can browse it, enter players into the table and print the list, but changes to the base will not be saved.</translation>
    </message>
    <message>
        <source>Игрок:</source>
        <translation>Player:</translation>
    </message>
    <message>
        <source>Имя в базе — не длиннее %1 знаков; буквы, которых нет в кодировке базы, пишутся без надстрочных знаков (Ö → O)</source>
        <translation>The name in the base: at most %1 characters; letters the base&apos;s code page lacks are written without accents (Ö → O)</translation>
    </message>
    <message>
        <source>Рейтинг</source>
        <translation>Rating</translation>
    </message>
    <message>
        <source>Предыдущая запись</source>
        <translation>Previous record</translation>
    </message>
    <message>
        <source>Следующая запись</source>
        <translation>Next record</translation>
    </message>
    <message>
        <source>Добавление нового игрока в базу</source>
        <translation>Add a new player to the base</translation>
    </message>
    <message>
        <source>Безразрядник</source>
        <extracomment>A junior&apos;s sports category; the captions after this one have about 60 pixels.</extracomment>
        <translation>No grade</translation>
    </message>
    <message>
        <source>4 разряд</source>
        <translation>Grade 4</translation>
    </message>
    <message>
        <source>3 разряд</source>
        <translation>Grade 3</translation>
    </message>
    <message>
        <source>2 разряд</source>
        <translation>Grade 2</translation>
    </message>
    <message>
        <source>1 разряд</source>
        <translation>Grade 1</translation>
    </message>
    <message>
        <source>1 балл</source>
        <translation>1 point</translation>
    </message>
    <message>
        <source>2 балла</source>
        <translation>2 points</translation>
    </message>
    <message>
        <source>КМС</source>
        <translation>CMS</translation>
    </message>
    <message>
        <source>                           Юноши</source>
        <translation>Boys</translation>
    </message>
    <message>
        <source>                       Девушки</source>
        <translation>Girls</translation>
    </message>
    <message>
        <source>Записать новые рейтинги в базу</source>
        <translation>Write the new ratings to the base</translation>
    </message>
    <message>
        <source>Распечатать общий список игроков из базы и их рейтинги</source>
        <translation>Print the list of all players in the base with their ratings</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Нет рейтинга</source>
        <translation>No rating</translation>
    </message>
    <message>
        <source>База игроков</source>
        <translation>Player base</translation>
    </message>
    <message>
        <source>Новые рейтинги не записаны в базу игроков %1: %2.</source>
        <translation>The new ratings were not written to the player base %1: %2.</translation>
    </message>
    <message>
        <source>Запись %1 из %2</source>
        <translation>Record %1 of %2</translation>
    </message>
    <message>
        <source>Не найдено</source>
        <translation>Not found</translation>
    </message>
    <message>
        <source>Найти в базе</source>
        <translation>Find in the base</translation>
    </message>
    <message>
        <source>Данные игрока из рейтинг-листа</source>
        <translation>The player&apos;s data from the rating list</translation>
    </message>
    <message>
        <source>%1 г.р.</source>
        <translation>born %1</translation>
    </message>
    <message>
        <source>Эло %1</source>
        <translation>Elo %1</translation>
    </message>
    <message>
        <source>Поиск игрока в базе по части имени (без учёта регистра, «ё» как «е») и в загруженных рейтинг-листах по началу фамилии или по ID: выберите игрока из списка или нажмите Enter — следующий найденный</source>
        <translation>Find a player in the base by part of the name (any case, accents ignored) and in the loaded rating lists by the start of the surname or by ID: choose the player from the list, or press Enter for the next one found</translation>
    </message>
</context>
<context>
    <name>krugovik::CsvColumnsDialog</name>
    <message>
        <source>Фамилия, имя:</source>
        <translation>Surname, name:</translation>
    </message>
    <message>
        <source>Рейтинг:</source>
        <translation>Rating:</translation>
    </message>
    <message>
        <source>FIDE ID:</source>
        <translation>FIDE ID:</translation>
    </message>
    <message>
        <source>Национальный ID:</source>
        <translation>National ID:</translation>
    </message>
    <message>
        <source>Федерация:</source>
        <translation>Federation:</translation>
    </message>
    <message>
        <source>Звание:</source>
        <translation>Title:</translation>
    </message>
    <message>
        <source>Пол:</source>
        <translation>Sex:</translation>
    </message>
    <message>
        <source>Год рождения:</source>
        <translation>Year of birth:</translation>
    </message>
    <message>
        <source>точка с запятой</source>
        <translation>semicolon</translation>
    </message>
    <message>
        <source>запятая</source>
        <translation>comma</translation>
    </message>
    <message>
        <source>табуляция</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>Столбцы списка CSV</source>
        <translation>Columns of the CSV list</translation>
    </message>
    <message>
        <source>Так список назван в списке найденных игроков</source>
        <translation>The name the list goes by in the list of players found</translation>
    </message>
    <message>
        <source>Название списка:</source>
        <translation>List name:</translation>
    </message>
    <message>
        <source>Разделитель:</source>
        <translation>Separator:</translation>
    </message>
    <message>
        <source>Первая строка — названия столбцов</source>
        <translation>The first line names the columns</translation>
    </message>
    <message>
        <source>Загрузить</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>(нет)</source>
        <comment>no column of the file</comment>
        <translation>(none)</translation>
    </message>
</context>
<context>
    <name>krugovik::EventDialog</name>
    <message>
        <source>Сведения о турнире</source>
        <translation>Event details</translation>
    </message>
    <message>
        <source>Три латинские буквы кода ФИДЕ: RUS</source>
        <translation>The three Latin letters of FIDE&apos;s code: ENG</translation>
    </message>
    <message>
        <source>90 мин + 30 сек на ход</source>
        <translation>90 min + 30 sec per move</translation>
    </message>
    <message>
        <source>не указан</source>
        <comment>rate of play</comment>
        <translation>not given</translation>
    </message>
    <message>
        <source>классический</source>
        <comment>rate of play</comment>
        <translation>standard</translation>
    </message>
    <message>
        <source>быстрый</source>
        <comment>rate of play</comment>
        <translation>rapid</translation>
    </message>
    <message>
        <source>блиц</source>
        <comment>rate of play</comment>
        <translation>blitz</translation>
    </message>
    <message>
        <source>&amp;Название:</source>
        <translation>&amp;Title:</translation>
    </message>
    <message>
        <source>&amp;Место проведения:</source>
        <translation>&amp;Venue:</translation>
    </message>
    <message>
        <source>&amp;Федерация:</source>
        <translation>&amp;Federation:</translation>
    </message>
    <message>
        <source>&amp;Организатор:</source>
        <translation>&amp;Organiser:</translation>
    </message>
    <message>
        <source>&amp;Начало:</source>
        <translation>&amp;Start:</translation>
    </message>
    <message>
        <source>&amp;Окончание:</source>
        <translation>&amp;End:</translation>
    </message>
    <message>
        <source>&amp;Главный судья:</source>
        <translation>&amp;Chief arbiter:</translation>
    </message>
    <message>
        <source>&amp;Заместитель:</source>
        <translation>&amp;Deputy arbiter:</translation>
    </message>
    <message>
        <source>&amp;Контроль времени:</source>
        <translation>T&amp;ime control:</translation>
    </message>
    <message>
        <source>&amp;Вид турнира:</source>
        <translation>&amp;Rate of play:</translation>
    </message>
    <message>
        <source>Дата тура</source>
        <translation>Round date</translation>
    </message>
    <message>
        <source>Заполнить по н&amp;еделям</source>
        <translation>Fill in &amp;weekly</translation>
    </message>
    <message>
        <source>Тур 1 — в день начала турнира, каждый следующий — через неделю</source>
        <translation>Round 1 on the first day of the event, each next round a week later</translation>
    </message>
    <message>
        <source>ОК</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>не задана</source>
        <comment>a date not given yet</comment>
        <translation>not set</translation>
    </message>
    <message>
        <source>Код федерации — три латинские буквы, например RUS.</source>
        <translation>A federation code is three Latin letters, such as ENG.</translation>
    </message>
    <message>
        <source>Турнир не может окончиться раньше, чем начался.</source>
        <translation>The event cannot end before it starts.</translation>
    </message>
</context>
<context>
    <name>krugovik::FileChooser</name>
    <message>
        <source>Выбор файла турнира</source>
        <translation>Choose a tournament file</translation>
    </message>
    <message>
        <source>Имя файла:</source>
        <translation>File name:</translation>
    </message>
    <message>
        <source>Тип файла</source>
        <translation>File type</translation>
    </message>
    <message>
        <source>Каталоги:</source>
        <translation>Folders:</translation>
    </message>
    <message>
        <source>Диск:</source>
        <translation>Drive:</translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Создать</source>
        <translation>Create</translation>
    </message>
    <message>
        <source>Очистка</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Текстовые файлы (*.TXT*)</source>
        <translation>Text files (*.TXT*)</translation>
    </message>
    <message>
        <source>Ошибка выбора устройства!</source>
        <translation>The drive cannot be chosen!</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Программа не может создать файл без имени! Наберите, пожалуйста, в поле Имя файла его имя без расширения .TXT, потом нажмите на кнопку Создать. Далее выберите созданный файл из списка и загрузите его с помощью кнопки Открыть или двойным кликом мышкой.</source>
        <translation>The program cannot create a file without a name! Please type its name without the .TXT extension in the File name box, then press Create. Then choose the new file in the list and load it with Open or a double click.</translation>
    </message>
    <message>
        <source>Нельзя создать файл «%1»: %2.</source>
        <translation>The file “%1” cannot be created: %2.</translation>
    </message>
    <message>
        <source>Нельзя создать файл %1: так называется папка.</source>
        <translation>The file %1 cannot be created: a folder has that name.</translation>
    </message>
    <message>
        <source>Файл %1 уже существует. Заменить его новым пустым турниром? Всё, что в нём записано, будет потеряно.</source>
        <translation>The file %1 already exists. Replace it with a new, empty tournament? Everything in it will be lost.</translation>
    </message>
    <message>
        <source>Не удалось создать файл %1: %2</source>
        <translation>Could not create the file %1: %2</translation>
    </message>
    <message>
        <source>Файл не выбран!</source>
        <translation>No file chosen!</translation>
    </message>
    <message>
        <source>Папки %1 нет.</source>
        <translation>There is no folder %1.</translation>
    </message>
    <message>
        <source>Турнира %1 нет. Создать его?</source>
        <translation>There is no tournament %1. Create it?</translation>
    </message>
</context>
<context>
    <name>krugovik::ImportListDialog</name>
    <message>
        <source>ФШР</source>
        <comment>the proposed name of a national list</comment>
        <translation>National</translation>
    </message>
    <message>
        <source>Загрузка рейтинг-листа</source>
        <translation>Loading the rating list</translation>
    </message>
    <message>
        <source>Загружается список «%1» из файла %2…</source>
        <translation>Loading the list “%1” from the file %2…</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Прервать загрузку; прежний список останется</source>
        <translation>Stop loading; the previous list stays</translation>
    </message>
    <message>
        <source>Загрузка прерывается…</source>
        <translation>Stopping…</translation>
    </message>
    <message>
        <source>ФИДЕ</source>
        <comment>the FIDE rating list&apos;s name</comment>
        <translation>FIDE</translation>
    </message>
    <message>
        <source>Загрузка прервана; список «%1» не изменён.</source>
        <translation>Loading stopped; the list “%1” is unchanged.</translation>
    </message>
    <message>
        <source>Список «%1» не загружен: %2. Прежний список не изменён.</source>
        <translation>The list “%1” was not loaded: %2. The previous list is unchanged.</translation>
    </message>
    <message numerus="yes">
        <source>Загружен список «%1»: игроков — %n.</source>
        <translation>
            <numerusform>List “%1” loaded: %n player.</numerusform>
            <numerusform>List “%1” loaded: %n players.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>
Пропущено строк с ошибками: %n (первая — строка %1).</source>
        <translation>
            <numerusform>
%n line with errors skipped (line %1).</numerusform>
            <numerusform>
%n lines with errors skipped (the first is line %1).</numerusform>
        </translation>
    </message>
    <message>
        <source>Загрузить рейтинг-лист</source>
        <translation>Load rating list</translation>
    </message>
    <message>
        <source>Рейтинг-листы (*.zip *.txt *.xml *.csv *.ZIP *.TXT *.XML *.CSV);;Все файлы (*)</source>
        <translation>Rating lists (*.zip *.txt *.xml *.csv *.ZIP *.TXT *.XML *.CSV);;All files (*)</translation>
    </message>
    <message>
        <source>Файл %1 не загружен: %2.</source>
        <translation>The file %1 was not loaded: %2.</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
</context>
</TS>
