<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>BaseFile</name>
    <message>
        <source>на этом месте находится папка</source>
        <translation>a folder stands in its place</translation>
    </message>
    <message>
        <source>файл не открыт</source>
        <translation>the file is not open</translation>
    </message>
    <message>
        <source>нет записи с номером %1</source>
        <translation>there is no record number %1</translation>
    </message>
    <message>
        <source>база занята другой программой</source>
        <translation>the base is in use by another program</translation>
    </message>
    <message>
        <source>база открыта только для чтения (%1)</source>
        <translation>the base is open for reading only (%1)</translation>
    </message>
</context>
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
    <name>CodePage</name>
    <message>
        <source>Заменено: %1</source>
        <translation>Replaced: %1</translation>
    </message>
    <message>
        <source>Не поддерживается: %1</source>
        <translation>Not supported: %1</translation>
    </message>
    <message>
        <source>Не длиннее %1 знаков, не вошло: «%2»</source>
        <translation>At most %1 characters, left out: “%2”</translation>
    </message>
</context>
<context>
    <name>Counts</name>
    <message numerus="yes">
        <source>%n игроков</source>
        <translation>
            <numerusform>%n player</numerusform>
            <numerusform>%n players</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n туров</source>
        <translation>
            <numerusform>%n round</numerusform>
            <numerusform>%n rounds</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CountsEach</name>
    <message numerus="yes">
        <source>%n туров</source>
        <comment>after «по»: rounds in each cycle</comment>
        <translation>
            <numerusform>%n round</numerusform>
            <numerusform>%n rounds</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CountsFor</name>
    <message numerus="yes">
        <source>%n игроков</source>
        <comment>after «для»: for so many players</comment>
        <translation>
            <numerusform>%n player</numerusform>
            <numerusform>%n players</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>EventLines</name>
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
        <source>Место проведения</source>
        <translation>Venue</translation>
    </message>
    <message>
        <source>Федерация</source>
        <translation>Federation</translation>
    </message>
    <message>
        <source>Организатор</source>
        <translation>Organiser</translation>
    </message>
    <message>
        <source>Сроки</source>
        <comment>the event&apos;s first and last day</comment>
        <translation>Dates</translation>
    </message>
    <message>
        <source>Главный судья</source>
        <translation>Chief arbiter</translation>
    </message>
    <message>
        <source>Заместитель главного судьи</source>
        <translation>Deputy chief arbiter</translation>
    </message>
    <message>
        <source>Контроль времени</source>
        <translation>Time control</translation>
    </message>
    <message>
        <source>Вид турнира</source>
        <translation>Rate of play</translation>
    </message>
    <message>
        <source>Турнир</source>
        <comment>the event&apos;s title</comment>
        <translation>Tournament</translation>
    </message>
</context>
<context>
    <name>FideSheets</name>
    <message>
        <source>Турнир: %1</source>
        <translation>Event: %1</translation>
    </message>
    <message>
        <source>Место: %1; федерация: %2</source>
        <translation>Place: %1; federation: %2</translation>
    </message>
    <message>
        <source>Даты: %1 – %2</source>
        <translation>Dates: %1 – %2</translation>
    </message>
    <message>
        <source>Игроков: %1; туров: %2; круговой турнир, циклов: %3</source>
        <translation>Players: %1; rounds: %2; round robin, cycles: %3</translation>
    </message>
    <message>
        <source>Контроль времени: %1</source>
        <translation>Rate of play: %1</translation>
    </message>
    <message>
        <source>Главный судья: %1; заместитель: %2</source>
        <translation>Chief arbiter: %1; deputy: %2</translation>
    </message>
    <message>
        <source>Организатор: %1</source>
        <translation>Organiser: %1</translation>
    </message>
    <message>
        <source>Сертификат результата на звание</source>
        <translation>Certificate of title result</translation>
    </message>
    <message>
        <source>Норма %1</source>
        <comment>%1: the title&apos;s short name</comment>
        <translation>%1 norm</translation>
    </message>
    <message>
        <source>Участник: %1; FIDE ID: %2; федерация: %3; звание: %4; год рождения: %5</source>
        <translation>Player: %1; FIDE ID: %2; federation: %3; title: %4; year of birth: %5</translation>
    </message>
    <message>
        <source>Тур</source>
        <translation>Round</translation>
    </message>
    <message>
        <source>Дата</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Соперник</source>
        <translation>Opponent</translation>
    </message>
    <message>
        <source>Звание</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Федерация</source>
        <translation>Federation</translation>
    </message>
    <message>
        <source>FIDE ID</source>
        <translation>FIDE ID</translation>
    </message>
    <message>
        <source>Рейтинг</source>
        <translation>Rating</translation>
    </message>
    <message>
        <source>Результат</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Очки: %1 из %2</source>
        <translation>Points: %1 of %2</translation>
    </message>
    <message>
        <source>Средний рейтинг соперников Ra: %1 (нижняя граница рейтинга %2, нерейтингованные — %3)</source>
        <translation>Rating average of the opponents Ra: %1 (rating floor %2, unrated opponents at %3)</translation>
    </message>
    <message>
        <source>Перфоманс Rp: %1 (нужно не меньше %2)</source>
        <translation>Performance Rp: %1 (at least %2 needed)</translation>
    </message>
    <message>
        <source>Соперников с званием: %1, из них уровня нормы: %2; других федераций среди соперников: %3</source>
        <translation>Title-holders among the opponents: %1, of the norm&apos;s level: %2; other federations among the opponents: %3</translation>
    </message>
    <message>
        <source>Норма %1 выполнена</source>
        <translation>%1 norm made</translation>
    </message>
    <message>
        <source>Главный судья</source>
        <translation>Chief arbiter</translation>
    </message>
    <message>
        <source>Организатор</source>
        <translation>Organiser</translation>
    </message>
    <message>
        <source>Рейтинг-отчёт ФИДЕ</source>
        <translation>FIDE rating report</translation>
    </message>
    <message>
        <source>Средний рейтинг: %1; категория: %2</source>
        <translation>Average rating: %1; category: %2</translation>
    </message>
    <message>
        <source>№</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Участник</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>K</source>
        <translation>K</translation>
    </message>
    <message>
        <source>Партий</source>
        <translation>Games</translation>
    </message>
    <message>
        <source>Очки</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Ожидалось</source>
        <translation>Expected</translation>
    </message>
    <message>
        <source>Изменение</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Новый рейтинг</source>
        <translation>New rating</translation>
    </message>
    <message>
        <source>Ожидаемый результат — по таблице 8.1.2 Положения о рейтинге ФИДЕ, разница больше 400 считается как 400; K — по статье 8.3.3; партии без игры не обсчитываются.</source>
        <translation>Expected scores from table 8.1.2 of FIDE&apos;s Rating Regulations, a difference of more than 400 counted as 400; K by article 8.3.3; games not played are not rated.</translation>
    </message>
    <message>
        <source>Соперники по званиям: %1; по федерациям: %2; без рейтинга: %3</source>
        <translation>Opponents by title: %1; by federation: %2; unrated: %3</translation>
    </message>
    <message>
        <source>Рейтинг соперника %1 поднят с %2 до нижней границы %3</source>
        <translation>Opponent %1 raised from %2 to the rating floor %3</translation>
    </message>
    <message>
        <source>Рейтинг ФИДЕ участника: %1; для нормы нужно очков: %2</source>
        <translation>The player&apos;s FIDE rating: %1; points the norm needed: %2</translation>
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
    <name>FileErrors</name>
    <message>
        <source>это папка</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>так называется папка</source>
        <translation>a folder has this name</translation>
    </message>
    <message>
        <source>в папке %1 нельзя создавать файлы</source>
        <translation>files cannot be created in the folder %1</translation>
    </message>
    <message>
        <source>%1; прежнее содержимое файла восстановить не удалось: %2</source>
        <translation>%1; the file&apos;s former content could not be restored: %2</translation>
    </message>
</context>
<context>
    <name>Hall</name>
    <message>
        <source>Изменено: %1</source>
        <comment>when the event last changed: a day and a time</comment>
        <translation>Changed: %1</translation>
    </message>
    <message>
        <source>Текущий тур</source>
        <translation>Current round</translation>
    </message>
    <message>
        <source>Для экрана в зале</source>
        <translation>For the hall&apos;s screen</translation>
    </message>
    <message>
        <source>Программа остановлена: таблица больше не обновляется.</source>
        <translation>The program has stopped: the table is no longer updated.</translation>
    </message>
    <message>
        <source>← Предыдущий тур</source>
        <translation>← Previous round</translation>
    </message>
    <message>
        <source>Следующий тур →</source>
        <translation>Next round →</translation>
    </message>
    <message>
        <source>Турнир не открыт.</source>
        <translation>No tournament is open.</translation>
    </message>
    <message>
        <source>Таблица появится, как только судья откроет турнир.</source>
        <translation>The table appears as soon as the director opens a tournament.</translation>
    </message>
    <message>
        <source>Запуск: krugovik --serve ФАЙЛ [--port N] [--listen АДРЕС]</source>
        <translation>Usage: krugovik --serve FILE [--port N] [--listen ADDRESS]</translation>
    </message>
    <message>
        <source>krugovik: файл %1 не открывается как турнир: %2</source>
        <translation>krugovik: the file %1 does not open as a tournament: %2</translation>
    </message>
    <message>
        <source>krugovik: порт %1 не открывается: %2</source>
        <translation>krugovik: the port %1 cannot be opened: %2</translation>
    </message>
    <message>
        <source>Табло турнира %1: %2</source>
        <translation>Hall board of %1: %2</translation>
    </message>
    <message>
        <source>Табло остановлено.</source>
        <translation>Hall board stopped.</translation>
    </message>
    <message>
        <source>это не файл турнира</source>
        <translation>it is not a tournament file</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>ru</source>
        <comment>ISO 639-1 code of the language of this translation</comment>
        <translation>en</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Язык / Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Русский</source>
        <translation>Russian</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Программа будет говорить по-английски со следующего запуска.</source>
        <translation>The program will speak English from its next start.</translation>
    </message>
    <message>
        <source>Программа будет говорить по-русски со следующего запуска.</source>
        <translation>The program will speak Russian from its next start.</translation>
    </message>
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
    <message>
        <source>itogi</source>
        <comment>file name of the standings&apos; PDF after the tournament&apos;s; Latin letters only</comment>
        <translation>standings</translation>
    </message>
    <message>
        <source>пары туров не по таблице Бергера, и никакая перенумерация игроков их такими не делает</source>
        <translation>the rounds&apos; pairings are not the Berger table&apos;s, and no renumbering of the players makes them so</translation>
    </message>
    <message>
        <source>Кодировка файла: %1.</source>
        <translation>The file&apos;s encoding: %1.</translation>
    </message>
    <message>
        <source>Номера игроков в турнире: %1 (номер в файле → номер в турнире).</source>
        <translation>Players&apos; numbers in the tournament: %1 (the number in the file → the number in the tournament).</translation>
    </message>
    <message>
        <source>Имена, приведённые к буквам кодировки Windows-1251: %1.</source>
        <translation>Names brought to the letters of Windows-1251: %1.</translation>
    </message>
    <message>
        <source>строка %1: код %2</source>
        <translation>line %1: code %2</translation>
    </message>
    <message>
        <source>Записи с кодами, которых нет в формате TRF, программа пропускает: %1.</source>
        <translation>Records of codes the TRF format does not have are left out: %1.</translation>
    </message>
    <message>
        <source>Файл %1:

%2

Создать турнир без этих записей?</source>
        <translation>File %1:

%2

Make the tournament without these records?</translation>
    </message>
    <message>
        <source>Файл %1:

%2</source>
        <translation>File %1:

%2</translation>
    </message>
    <message>
        <source>Файл %1 — открытый сейчас турнир. Заменить его турниром из файла %2?</source>
        <translation>File %1 is the tournament open now. Replace it with the tournament of file %2?</translation>
    </message>
    <message>
        <source>Файл %1 уже есть. Заменить его турниром из файла %2?</source>
        <translation>File %1 already exists. Replace it with the tournament of file %2?</translation>
    </message>
    <message>
        <source>Табло в сети…</source>
        <translation>Hall board on the network…</translation>
    </message>
    <message>
        <source>табло: %1</source>
        <translation>hall board: %1</translation>
    </message>
    <message>
        <source>Нормы и рейтинг ФИДЕ</source>
        <translation>FIDE norms and rating</translation>
    </message>
    <message>
        <source>Норм званий в турнире пока никто не выполнил.</source>
        <translation>Nobody has made a title norm in the event yet.</translation>
    </message>
    <message>
        <source>Сертификат нормы</source>
        <translation>Norm certificate</translation>
    </message>
    <message>
        <source>norma</source>
        <comment>file name of a norm certificate&apos;s PDF after the tournament&apos;s; Latin letters only</comment>
        <translation>norm</translation>
    </message>
    <message>
        <source>Рейтинг-отчёт ФИДЕ</source>
        <translation>FIDE rating report</translation>
    </message>
    <message>
        <source>reiting</source>
        <comment>file name of the rating report&apos;s PDF after the tournament&apos;s; Latin letters only</comment>
        <translation>rating</translation>
    </message>
    <message>
        <source>Жеребьёвка номеров…</source>
        <translation>Drawing of numbers…</translation>
    </message>
    <message>
        <source>Номера разыгрываются только до первого результата.</source>
        <translation>Numbers are drawn only before the first result.</translation>
    </message>
    <message>
        <source>Файл сохранён: %1</source>
        <translation>File saved: %1</translation>
    </message>
</context>
<context>
    <name>NameCheck</name>
    <message>
        <source>строка %1: в таблице «%2», в базе «%3»</source>
        <translation>row %1: “%2” in the table, “%3” in the base</translation>
    </message>
    <message>
        <source>В этих строках таблицы игрок не тот, что в его записи базы:

%1
Записать новые рейтинги и в эти записи базы? При ответе «Нет» записываются только строки, в которых имена совпадают.</source>
        <comment>%1: one line per row; the quoted answer is the No button</comment>
        <translation>In these rows of the table the player is not the one in his base record:

%1
Write the new ratings into these base records too? If you answer “No”, only the rows whose names match are written.</translation>
    </message>
</context>
<context>
    <name>Norms</name>
    <message>
        <source>меньше двух других федераций</source>
        <translation>fewer than two other federations</translation>
    </message>
    <message>
        <source>больше 3/5 соперников своей федерации</source>
        <translation>more than 3/5 of the opponents from his own federation</translation>
    </message>
    <message>
        <source>больше 2/3 соперников одной федерации</source>
        <translation>more than 2/3 of the opponents from one federation</translation>
    </message>
    <message>
        <source>меньше 9 партий</source>
        <translation>fewer than 9 games</translation>
    </message>
    <message>
        <source>меньше половины соперников с титулом</source>
        <translation>fewer than half the opponents title-holders</translation>
    </message>
    <message>
        <source>мало соперников с титулом уровня нормы</source>
        <translation>too few opponents with a title of the norm&apos;s level</translation>
    </message>
    <message>
        <source>низкий средний рейтинг соперников</source>
        <translation>the opponents&apos; average rating is too low</translation>
    </message>
    <message>
        <source>мало очков</source>
        <translation>too few points</translation>
    </message>
    <message>
        <source>ГМ</source>
        <comment>the grandmaster title, short</comment>
        <translation>GM</translation>
    </message>
    <message>
        <source>ММ</source>
        <comment>the international master title, short</comment>
        <translation>IM</translation>
    </message>
    <message>
        <source>ЖГМ</source>
        <comment>the woman grandmaster title, short</comment>
        <translation>WGM</translation>
    </message>
    <message>
        <source>ЖММ</source>
        <comment>the woman international master title, short</comment>
        <translation>WIM</translation>
    </message>
    <message>
        <source>Норма %1 выполнена</source>
        <translation>%1 norm made</translation>
    </message>
    <message>
        <source>Норма %1 будет выполнена, если сыграть %2 оставшихся</source>
        <comment>%1: the norm; %2: games still to play, whatever their results</comment>
        <translation>%1 norm made once the remaining %2 are played</translation>
    </message>
    <message>
        <source>Для нормы %1 нужно %2 из %3</source>
        <comment>%1: the norm; %2: points still to score; %3: games to play</comment>
        <translation>%1 norm needs %2 of %3</translation>
    </message>
    <message>
        <source>Нормы %1 нет: %2</source>
        <comment>%1: the norm; %2: the reasons</comment>
        <translation>No %1 norm: %2</translation>
    </message>
    <message>
        <source>%1 (новый игрок, список)</source>
        <comment>K of a new player, as the rating list gives it</comment>
        <translation>%1 (new player, list)</translation>
    </message>
    <message>
        <source>%1 (список)</source>
        <comment>K as the rating list gives it</comment>
        <translation>%1 (list)</translation>
    </message>
    <message>
        <source>%1 (по правилам)</source>
        <comment>K found by the rating regulations from rating and age</comment>
        <translation>%1 (by the rules)</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>документ не удалось составить</source>
        <translation>the document could not be composed</translation>
    </message>
    <message>
        <source>не удалось записать файл %1: %2</source>
        <translation>the file %1 could not be written: %2</translation>
    </message>
    <message>
        <source>принтер %1 не принял документ</source>
        <translation>the printer %1 did not accept the document</translation>
    </message>
    <message>
        <source>Печать не удалась: %1.</source>
        <translation>Printing failed: %1.</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Принтер не установлен. Документ сохранён в файл %1</source>
        <translation>No printer is installed. The document was saved to the file %1</translation>
    </message>
    <message>
        <source>Документ сохранён в файл %1</source>
        <translation>The document was saved to the file %1</translation>
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
        <translation>Don&apos;t Save</translation>
    </message>
</context>
<context>
    <name>RatingList</name>
    <message>
        <source>архив не читается (%1)</source>
        <translation>the archive cannot be read (%1)</translation>
    </message>
    <message>
        <source>файл %1 в архиве не читается (%2)</source>
        <translation>the file %1 in the archive cannot be read (%2)</translation>
    </message>
    <message>
        <source>в архиве нет списка (.txt, .xml или .csv)</source>
        <translation>the archive holds no list (.txt, .xml or .csv)</translation>
    </message>
    <message>
        <source>XML испорчен в строке %1: %2</source>
        <translation>the XML is broken at line %1: %2</translation>
    </message>
    <message>
        <source>не похож на рейтинг-лист: ожидается .txt или .xml ФИДЕ, .csv или .zip с одним из них</source>
        <translation>it does not look like a rating list: expected FIDE’s .txt or .xml, a .csv, or a .zip holding one of them</translation>
    </message>
    <message>
        <source>не похож на рейтинг-лист</source>
        <translation>it does not look like a rating list</translation>
    </message>
    <message>
        <source>файл не дочитан: %1</source>
        <translation>the file could not be read to its end: %1</translation>
    </message>
    <message>
        <source>не удалось создать папку %1</source>
        <translation>could not create the folder %1</translation>
    </message>
    <message>
        <source>SQLite недоступен</source>
        <translation>SQLite is not available</translation>
    </message>
    <message>
        <source>в файле не найдено ни одного игрока</source>
        <translation>no player was found in the file</translation>
    </message>
    <message>
        <source>не удалось заменить список %1</source>
        <translation>could not replace the list %1</translation>
    </message>
    <message>
        <source>в первой строке не найдены столбцы списка ФИДЕ: %1</source>
        <translation>the first line lacks these columns of a FIDE list: %1</translation>
    </message>
    <message>
        <source>в папке %1 нельзя создать файл блокировки %2</source>
        <translation>the lock file %2 cannot be created in the folder %1</translation>
    </message>
    <message>
        <source>в папке %1 не создаётся файл: %2</source>
        <translation>no file can be created in the folder %1: %2</translation>
    </message>
    <message>
        <source>«%1»</source>
        <comment>a column&apos;s heading in quotes</comment>
        <translation>“%1”</translation>
    </message>
</context>
<context>
    <name>RecoveryCopy</name>
    <message>
        <source>не удалось создать папку %1</source>
        <translation>could not create the folder %1</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>использование: krugovik --report ФАЙЛ</source>
        <translation>usage: krugovik --report FILE</translation>
    </message>
    <message>
        <source>ни TRF, ни файл турнира</source>
        <translation>neither a TRF nor a tournament file</translation>
    </message>
</context>
<context>
    <name>Rounds</name>
    <message>
        <source>Тур %1</source>
        <translation>Round %1</translation>
    </message>
    <message>
        <source>Тур %1 (%2-й цикл, тур %3)</source>
        <comment>the round through all cycles, then its cycle and round in it</comment>
        <translation>Round %1 (cycle %2, round %3)</translation>
    </message>
    <message>
        <source>%1-й цикл: тура с этим номером нет</source>
        <translation>cycle %1: there is no round with this number</translation>
    </message>
    <message>
        <source>Тур %1: в расписании нет партий</source>
        <translation>Round %1: no games in the schedule</translation>
    </message>
</context>
<context>
    <name>Sheets</name>
    <message>
        <source>Итоговая таблица</source>
        <translation>Final standings</translation>
    </message>
    <message>
        <source>Место</source>
        <extracomment>A column title: the player&apos;s place</extracomment>
        <translation>Place</translation>
    </message>
    <message>
        <source>№</source>
        <extracomment>A column title: the player&apos;s number in the table</extracomment>
        <translation>No.</translation>
    </message>
    <message>
        <source>Участник</source>
        <extracomment>A column title: the player&apos;s name</extracomment>
        <translation>Player</translation>
    </message>
    <message>
        <source>Рейтинг</source>
        <translation>Rating</translation>
    </message>
    <message>
        <source>Очки</source>
        <extracomment>A column title: the player&apos;s score</extracomment>
        <translation>Points</translation>
    </message>
    <message>
        <source>Новый рейтинг</source>
        <translation>New rating</translation>
    </message>
    <message>
        <source>Изменение</source>
        <extracomment>A column title: the change of the rating</extracomment>
        <translation>Change</translation>
    </message>
    <message>
        <source>Места по очкам, затем: %1.</source>
        <comment>%1: the tie-breaks in order</comment>
        <translation>Places by points, then: %1.</translation>
    </message>
    <message>
        <source>Главный судья</source>
        <comment>who signs the sheet</comment>
        <translation>Chief arbiter</translation>
    </message>
    <message>
        <source>жребий</source>
        <comment>a tie-break&apos;s cell: the lots decided</comment>
        <translation>lot</translation>
    </message>
    <message>
        <source>судья</source>
        <comment>a tie-break&apos;s cell: the arbiter decided</comment>
        <translation>arbiter</translation>
    </message>
    <message>
        <source>%1 (выбыл)</source>
        <comment>a player who left the event</comment>
        <translation>%1 (withdrawn)</translation>
    </message>
    <message>
        <source>Места: очки</source>
        <translation>Places: points</translation>
    </message>
    <message>
        <source>Места: очки, затем %1</source>
        <comment>%1: the tie-breaks in order</comment>
        <translation>Places: points, then %1</translation>
    </message>
    <message>
        <source>Турнирная таблица</source>
        <translation>Crosstable</translation>
    </message>
    <message>
        <source>По состоянию на %1</source>
        <comment>%1: the day printed</comment>
        <translation>As of %1</translation>
    </message>
    <message>
        <source>%1-й цикл</source>
        <comment>a caption over the cycle&apos;s columns</comment>
        <translation>Cycle %1</translation>
    </message>
    <message>
        <source>½ — ничья; + и − — победа и поражение без игры.</source>
        <translation>½ — draw; + and − — win and loss by forfeit.</translation>
    </message>
    <message>
        <source>Тур %1</source>
        <translation>Round %1</translation>
    </message>
    <message>
        <source>Тур %1 (%2-й цикл, тур %3)</source>
        <comment>%1: the round through all cycles; %2: the cycle; %3: the round in it</comment>
        <translation>Round %1 (cycle %2, round %3)</translation>
    </message>
    <message>
        <source>Протокол тура</source>
        <translation>Round result sheet</translation>
    </message>
    <message>
        <source>Протокол тура № %1</source>
        <translation>Round %1 result sheet</translation>
    </message>
    <message>
        <source>Протокол тура № %1 (%2-й цикл, тур %3)</source>
        <comment>%1: the round through all cycles; %2: the cycle; %3: the round in it</comment>
        <translation>Round %1 result sheet (cycle %2, round %3)</translation>
    </message>
    <message>
        <source>Дата тура: %1</source>
        <translation>Round date: %1</translation>
    </message>
    <message>
        <source>Доска</source>
        <translation>Board</translation>
    </message>
    <message>
        <source>Белые</source>
        <translation>White</translation>
    </message>
    <message>
        <source>Чёрные</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>Результат</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Отдыхает: %1</source>
        <comment>who has the bye</comment>
        <translation>Bye: %1</translation>
    </message>
    <message>
        <source>Лист %1 из %2</source>
        <comment>a page of a printed sheet</comment>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>,</source>
        <comment>the decimal separator of numbers on sheets and in the standings</comment>
        <translation>.</translation>
    </message>
    <message>
        <source>DE — очки во встречах между равными по очкам; «%1/%2» — затем между оставшимися равными.</source>
        <comment>%1/%2: an example of the column&apos;s cell, 1.5/1</comment>
        <translation>DE — points scored in the games among the players tied on points; “%1/%2” — then among those still tied.</translation>
    </message>
</context>
<context>
    <name>TableTexts</name>
    <message>
        <source>№</source>
        <comment>crosstable caption: the row number</comment>
        <translation>#</translation>
    </message>
    <message>
        <source>Участники</source>
        <comment>crosstable caption: the names</comment>
        <translation>Players</translation>
    </message>
    <message>
        <source>Корр.</source>
        <comment>crosstable caption: rating correction</comment>
        <translation>Corr.</translation>
    </message>
    <message>
        <source>R нов.</source>
        <comment>crosstable caption: new rating</comment>
        <translation>R new</translation>
    </message>
    <message>
        <source>Очков</source>
        <comment>crosstable caption: points</comment>
        <translation>Points</translation>
    </message>
    <message>
        <source>Бергер</source>
        <comment>crosstable caption: Berger coefficient</comment>
        <translation>SB</translation>
    </message>
    <message>
        <source>Результат</source>
        <comment>crosstable caption: the result</comment>
        <translation>Result</translation>
    </message>
    <message>
        <source>(выб.)</source>
        <comment>mark of a withdrawn player</comment>
        <translation>(wd)</translation>
    </message>
    <message>
        <source>%1 (выб.)</source>
        <comment>a withdrawn player&apos;s name with its mark</comment>
        <translation>%1 (wd)</translation>
    </message>
    <message>
        <source>Партия не учитывается: игрок %1 выбыл после тура %2, сыграв меньше половины партий</source>
        <translation>The game does not count: player %1 withdrew after round %2, having played fewer than half of the games</translation>
    </message>
    <message numerus="yes">
        <source>%n результатов</source>
        <translation>
            <numerusform>%n result</numerusform>
            <numerusform>%n results</numerusform>
        </translation>
    </message>
    <message>
        <source>Меньше %1 нельзя: столько было в файле при открытии.</source>
        <translation>Not fewer than %1: the file held that many when it was opened.</translation>
    </message>
    <message>
        <source>Игрок %1</source>
        <translation>Player %1</translation>
    </message>
    <message>
        <source>; игрок %1</source>
        <comment>a further player in the same list</comment>
        <translation>; player %1</translation>
    </message>
    <message>
        <source>Игрок %1 и его %2</source>
        <translation>Player %1 with %2</translation>
    </message>
    <message>
        <source>; игрок %1 и его %2</source>
        <comment>a further player in the same list</comment>
        <translation>; player %1 with %2</translation>
    </message>
    <message>
        <source>%1 будут убраны из турнира. Продолжить?</source>
        <comment>%1 lists the players and their results</comment>
        <translation>%1 will be removed from the tournament. Continue?</translation>
    </message>
    <message>
        <source>Игрок %1 выбыл после тура %2, а в турнире из %3 игроков (циклов: %4) будет всего %5 туров. Сначала верните игрока в турнир («Вернуть в турнир») или назначьте более ранний тур.</source>
        <translation>Player %1 withdrew after round %2, but a tournament of %3 players (cycles: %4) will have only %5 rounds. First reinstate the player (“Reinstate”) or give an earlier round.</translation>
    </message>
    <message>
        <source>Жеребьёвка</source>
        <comment>title of the round display</comment>
        <translation>Pairings</translation>
    </message>
    <message>
        <source>Жеребьёвка %1 тур.</source>
        <comment>%1 is the round number with a blank before it</comment>
        <translation>Round%1 pairings</translation>
    </message>
    <message>
        <source>Отдыхает: %1</source>
        <comment>the player who has a bye</comment>
        <translation>Bye: %1</translation>
    </message>
</context>
<context>
    <name>TieBreakNames</name>
    <message>
        <source>Личная встреча</source>
        <translation>Direct encounter</translation>
    </message>
    <message>
        <source>личная встреча</source>
        <translation>direct encounter</translation>
    </message>
    <message>
        <source>Победы</source>
        <translation>Wins</translation>
    </message>
    <message>
        <source>победы</source>
        <translation>wins</translation>
    </message>
    <message>
        <source>Победы в партиях</source>
        <translation>Wins over the board</translation>
    </message>
    <message>
        <source>победы в партиях</source>
        <translation>wins over the board</translation>
    </message>
    <message>
        <source>Партии чёрными</source>
        <translation>Games with Black</translation>
    </message>
    <message>
        <source>партии чёрными</source>
        <translation>games with Black</translation>
    </message>
    <message>
        <source>Победы чёрными</source>
        <translation>Wins with Black</translation>
    </message>
    <message>
        <source>победы чёрными</source>
        <translation>wins with Black</translation>
    </message>
    <message>
        <source>Зоннеборн-Бергер</source>
        <translation>Sonneborn-Berger</translation>
    </message>
    <message>
        <source>Койя</source>
        <translation>Koya</translation>
    </message>
    <message>
        <source>Средний рейтинг соперников</source>
        <translation>Average rating of opponents</translation>
    </message>
    <message>
        <source>средний рейтинг соперников</source>
        <translation>average rating of opponents</translation>
    </message>
    <message>
        <source>Турнирный перфоманс</source>
        <translation>Performance rating</translation>
    </message>
    <message>
        <source>турнирный перфоманс</source>
        <translation>performance rating</translation>
    </message>
    <message>
        <source>Сыгранные туры</source>
        <translation>Rounds played</translation>
    </message>
    <message>
        <source>сыгранные туры</source>
        <translation>rounds played</translation>
    </message>
    <message>
        <source>Стандартные очки</source>
        <translation>Standard points</translation>
    </message>
    <message>
        <source>стандартные очки</source>
        <translation>standard points</translation>
    </message>
    <message>
        <source>Свой рейтинг</source>
        <translation>Own rating</translation>
    </message>
    <message>
        <source>свой рейтинг</source>
        <translation>own rating</translation>
    </message>
    <message>
        <source>Стартовый номер</source>
        <translation>Pairing number</translation>
    </message>
    <message>
        <source>стартовый номер</source>
        <translation>pairing number</translation>
    </message>
    <message>
        <source>Решение судьи</source>
        <translation>Arbiter&apos;s decision</translation>
    </message>
    <message>
        <source>решение судьи</source>
        <translation>arbiter&apos;s decision</translation>
    </message>
    <message>
        <source>Жребий</source>
        <translation>Drawing of lots</translation>
    </message>
    <message>
        <source>жребий</source>
        <translation>drawing of lots</translation>
    </message>
    <message>
        <source>Очки между собой</source>
        <translation>Points among the tied</translation>
    </message>
    <message>
        <source>очки между собой</source>
        <translation>points among the tied</translation>
    </message>
    <message>
        <source>Бергер</source>
        <extracomment>The Sonneborn-Berger score, as a short column title</extracomment>
        <translation>Sonneborn-Berger</translation>
    </message>
</context>
<context>
    <name>TournamentFile</name>
    <message>
        <source>в цикле %1 результат «%2» не из шести возможных</source>
        <translation>in cycle %1 the result “%2” is none of the six possible</translation>
    </message>
    <message>
        <source>в цикле %1 результаты партии %2-%3 не согласованы</source>
        <translation>in cycle %1 the results of game %2-%3 do not match</translation>
    </message>
    <message>
        <source>дополнение файла «%1» записано более новой версией программы</source>
        <translation>the file’s extension “%1” was written by a newer version of the program</translation>
    </message>
    <message>
        <source>дополнение файла оборвано: нет строки *END</source>
        <translation>the file’s extension is cut short: there is no *END line</translation>
    </message>
    <message numerus="yes">
        <source>в дополнении файла %n строк, а строка *END называет другое число</source>
        <translation>
            <numerusform>the file’s extension has %n line, but its *END line gives another number</numerusform>
            <numerusform>the file’s extension has %n lines, but its *END line gives another number</numerusform>
        </translation>
    </message>
    <message>
        <source>в дополнении файла неверная строка «%1»</source>
        <translation>the file’s extension has a wrong line “%1”</translation>
    </message>
    <message>
        <source>в дополнении файла неизвестный раздел «%1»</source>
        <translation>the file’s extension has an unknown section “%1”</translation>
    </message>
    <message>
        <source>в дополнении файла раздел «%1» не на своём месте</source>
        <translation>in the file’s extension the section “%1” is out of place</translation>
    </message>
    <message>
        <source>в дополнении файла число вне пределов в строке «%1»</source>
        <translation>in the file’s extension a number is out of range in the line “%1”</translation>
    </message>
    <message>
        <source>в дополнении файла неизвестное правило «%1»</source>
        <translation>the file’s extension names an unknown tie-break “%1”</translation>
    </message>
    <message>
        <source>в дополнении файла %1</source>
        <comment>%1 is a reason: a clause without a capital</comment>
        <translation>in the file’s extension: %1</translation>
    </message>
    <message>
        <source>в дополнении файла неполны результаты цикла %1</source>
        <translation>in the file’s extension the results of cycle %1 are incomplete</translation>
    </message>
    <message>
        <source>в дополнении файла нет строки REVERSE</source>
        <translation>the file’s extension has no REVERSE line</translation>
    </message>
    <message>
        <source>в дополнении файла нет результатов цикла %1</source>
        <translation>the file’s extension has no results of cycle %1</translation>
    </message>
    <message>
        <source>в нём двоичные данные</source>
        <translation>it contains binary data</translation>
    </message>
    <message>
        <source>в первой строке нет числа участников</source>
        <translation>its first line holds no number of players</translation>
    </message>
    <message>
        <source>число участников %1 вне пределов от 3 до 22</source>
        <translation>the number of players, %1, is not between 3 and 22</translation>
    </message>
    <message>
        <source>неизвестное сведение о турнире в строке «%1»</source>
        <translation>an unknown event detail in the line “%1”</translation>
    </message>
    <message>
        <source>строка «%1» не на своём месте</source>
        <translation>the line “%1” is out of place</translation>
    </message>
    <message>
        <source>в строке «%1» неверное значение</source>
        <translation>a wrong value in the line “%1”</translation>
    </message>
    <message>
        <source>он слишком велик</source>
        <translation>it is too large</translation>
    </message>
    <message>
        <source>он не похож на файл турнира: %1</source>
        <translation>it does not look like a tournament file: %1</translation>
    </message>
    <message>
        <source>прочитанный заново, он даёт другую таблицу</source>
        <translation>read again, it gives a different table</translation>
    </message>
    <message>
        <source>его не удалось прочитать при загрузке</source>
        <translation>it could not be read when it was opened</translation>
    </message>
</context>
<context>
    <name>Trf</name>
    <message>
        <source>стартовый номер (колонки 5-8) — не число</source>
        <translation>the starting rank (columns 5-8) is not a number</translation>
    </message>
    <message>
        <source>рейтинг (колонки 49-52) — не число</source>
        <translation>the rating (columns 49-52) is not a number</translation>
    </message>
    <message>
        <source>очки (колонки 81-84) — не целые и не с половиной</source>
        <translation>the points (columns 81-84) are neither whole nor a half</translation>
    </message>
    <message>
        <source>место (колонки 86-89) — не число</source>
        <translation>the rank (columns 86-89) is not a number</translation>
    </message>
    <message>
        <source>больше %1 туров</source>
        <translation>more than %1 rounds</translation>
    </message>
    <message>
        <source>тур %1 не на своих колонках</source>
        <translation>round %1 is not in its columns</translation>
    </message>
    <message>
        <source>тур %1: номер соперника — не число</source>
        <translation>round %1: the opponent’s number is not a number</translation>
    </message>
    <message>
        <source>тур %1: неизвестный цвет &apos;%2&apos;</source>
        <translation>round %1: unknown colour &apos;%2&apos;</translation>
    </message>
    <message>
        <source>тур %1: неизвестный результат &apos;%2&apos;</source>
        <translation>round %1: unknown result &apos;%2&apos;</translation>
    </message>
    <message>
        <source>тур %1: партия без цвета</source>
        <translation>round %1: a game without a colour</translation>
    </message>
    <message>
        <source>тур %1: игрок играет сам с собой</source>
        <translation>round %1: the player plays himself</translation>
    </message>
    <message>
        <source>управляющий символ</source>
        <translation>a control character</translation>
    </message>
    <message>
        <source>строка короче своего кода</source>
        <translation>the line is shorter than its code</translation>
    </message>
    <message>
        <source>после кода нет пробела</source>
        <translation>no blank after the code</translation>
    </message>
    <message>
        <source>нет ни одной строки игрока (001)</source>
        <translation>no player line (001)</translation>
    </message>
    <message>
        <source>стартовый номер %1 дважды</source>
        <translation>starting rank %1 twice</translation>
    </message>
    <message>
        <source>нет стартового номера %1</source>
        <translation>starting rank %1 is missing</translation>
    </message>
    <message>
        <source>%1 — не число туров</source>
        <translation>%1 is not a number of rounds</translation>
    </message>
    <message>
        <source>%1: туров меньше, чем в строках 001</source>
        <translation>%1: fewer rounds than in the 001 lines</translation>
    </message>
    <message>
        <source>тур %1: у соперника %2 нет строки 001</source>
        <translation>round %1: opponent %2 has no 001 line</translation>
    </message>
    <message>
        <source>тур %1: игрок %2 не называет соперником %3</source>
        <translation>round %1: player %2 does not name %3 as his opponent</translation>
    </message>
    <message>
        <source>тур %1: у обоих игроков один цвет</source>
        <translation>round %1: both players have the same colour</translation>
    </message>
    <message>
        <source>тур %1: результат расходится с записью игрока %2</source>
        <translation>round %1: the result differs from player %2&apos;s entry</translation>
    </message>
    <message>
        <source>тур %1: %2 играет с %3, а по таблице Бергера %4</source>
        <comment>%4 is the pair the table gives, as 3-7</comment>
        <translation>round %1: %2 plays %3, but the Berger table pairs %4</translation>
    </message>
    <message>
        <source>тур %1: в паре %2 цвета наоборот, по таблице Бергера белыми играет %3</source>
        <translation>round %1: the colours of %2 are reversed; by the Berger table %3 has White</translation>
    </message>
    <message>
        <source>192 называет не круговой турнир: %1</source>
        <translation>192 does not name a round robin: %1</translation>
    </message>
    <message>
        <source>%1: %2 — не показатель кругового турнира</source>
        <comment>%1 is where the list stands (a TRF line&apos;s code or an option)</comment>
        <translation>%1: %2 is not a round-robin tie-break</translation>
    </message>
    <message>
        <source>212: места распределяются не по очкам (нет PTS в начале)</source>
        <translation>212: the places are not decided by points (PTS does not come first)</translation>
    </message>
    <message>
        <source>212 и 202 называют разные показатели</source>
        <translation>212 and 202 name different tie-breaks</translation>
    </message>
    <message>
        <source>встречается с %1 дважды в круге %2</source>
        <translation>meets %1 twice in cycle %2</translation>
    </message>
    <message>
        <source>строка %1: %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>без места</source>
        <comment>a player&apos;s place</comment>
        <translation>no place</translation>
    </message>
    <message>
        <source>игрок %1: в файле место %2, по очкам — %3</source>
        <translation>player %1: place %2 in the file, but %3 by points</translation>
    </message>
    <message>
        <source>игрок %1: в файле место %2, по очкам и %3 — %4</source>
        <comment>%3 is the list of tie-break codes</comment>
        <translation>player %1: place %2 in the file, but %4 by points and %3</translation>
    </message>
    <message>
        <source>игрок %1: очки в файле расходятся с его партиями</source>
        <translation>player %1: the points in the file differ from his games</translation>
    </message>
    <message>
        <source>--players: от 3 до 22</source>
        <translation>--players: 3 to 22</translation>
    </message>
    <message>
        <source>--cycles: от 1 до 4</source>
        <translation>--cycles: 1 to 4</translation>
    </message>
    <message>
        <source>%1: процент, от 0 до 100</source>
        <translation>%1: a percentage, 0 to 100</translation>
    </message>
    <message>
        <source>--draws, --forfeits и --unplayed: вместе не больше 100</source>
        <translation>--draws, --forfeits and --unplayed: no more than 100 together</translation>
    </message>
    <message>
        <source>--withdrawals: от 0 до числа игроков без двух</source>
        <translation>--withdrawals: 0 to the number of players less two</translation>
    </message>
    <message>
        <source>--tie-breaks: хотя бы один показатель</source>
        <translation>--tie-breaks: at least one tie-break</translation>
    </message>
    <message>
        <source>использование: krugovik --generate --players N --cycles C --seed S [--draws P] [--forfeits P]
       [--unplayed P] [--withdrawals K] [--tie-breaks &quot;DE WIN SB KS&quot;]
</source>
        <comment>the options and their letters stay as they are; the second line is indented under the first&apos;s options</comment>
        <translation>usage: krugovik --generate --players N --cycles C --seed S [--draws P] [--forfeits P]
       [--unplayed P] [--withdrawals K] [--tie-breaks &quot;DE WIN SB KS&quot;]
</translation>
    </message>
    <message>
        <source>использование: krugovik --check ФАЙЛ.trf</source>
        <translation>usage: krugovik --check FILE.trf</translation>
    </message>
    <message>
        <source>%1: файл не читается</source>
        <translation>%1: the file cannot be read</translation>
    </message>
    <message>
        <source>%1: согласован</source>
        <comment>a checked TRF</comment>
        <translation>%1: consistent</translation>
    </message>
    <message>
        <source>%1: нет значения</source>
        <translation>%1: no value</translation>
    </message>
    <message>
        <source>%1: %2 — не число в допустимых пределах</source>
        <translation>%1: %2 is not a number within the limits</translation>
    </message>
    <message>
        <source>%1 — не параметр --generate</source>
        <translation>%1 is not an option of --generate</translation>
    </message>
    <message>
        <source>нужны --players, --cycles и --seed</source>
        <translation>--players, --cycles and --seed are needed</translation>
    </message>
    <message>
        <source>тур %1: пары не по таблице Бергера</source>
        <translation>round %1: the pairings are not the Berger table’s</translation>
    </message>
    <message>
        <source>ASCII</source>
        <comment>an encoding of a TRF</comment>
        <translation>ASCII</translation>
    </message>
    <message>
        <source>UTF-8</source>
        <comment>an encoding of a TRF</comment>
        <translation>UTF-8</translation>
    </message>
    <message>
        <source>UTF-8 с меткой порядка байтов (BOM)</source>
        <comment>an encoding of a TRF</comment>
        <translation>UTF-8 with a byte-order mark (BOM)</translation>
    </message>
    <message>
        <source>Windows-1252 (Latin-1), так как файл — не UTF-8</source>
        <comment>an encoding of a TRF</comment>
        <translation>Windows-1252 (Latin-1), since the file is not UTF-8</translation>
    </message>
    <message>
        <source>092 называет не круговой турнир: %1</source>
        <translation>092 does not name a round robin: %1</translation>
    </message>
    <message>
        <source>%1, а в круговом турнире их 3-22</source>
        <translation>%1, but a round robin has 3-22</translation>
    </message>
    <message>
        <source>%1 — не 1-4 круга по %2 для %3</source>
        <translation>%1: not 1-4 cycles of %2 for %3</translation>
    </message>
    <message>
        <source>%1: такой турнир программа не проверяет: %2</source>
        <comment>%2 says why the file is no round robin the program holds</comment>
        <translation>%1: the program does not check such an event: %2</translation>
    </message>
    <message>
        <source>строка %1: неизвестный код записи «%2»</source>
        <translation>line %1: unknown record code &quot;%2&quot;</translation>
    </message>
    <message>
        <source>номера игроков в турнире: %1</source>
        <comment>a renumbering, as «5 ↔ 6; 1 → 3 → 7 → 1»</comment>
        <translation>players&apos; numbers in the tournament: %1</translation>
    </message>
    <message>
        <source>никакая перенумерация игроков не даёт пар таблицы Бергера</source>
        <translation>no renumbering of the players gives the Berger table&apos;s pairings</translation>
    </message>
</context>
<context>
    <name>WriteBack</name>
    <message>
        <source>%1 (строка %2)</source>
        <translation>%1 (row %2)</translation>
    </message>
    <message>
        <source>Эти игроки не взяты из базы, и их рейтинги не записаны: %1.</source>
        <translation>These players were not taken from the base, and their ratings were not written: %1.</translation>
    </message>
    <message>
        <source>Список игроков</source>
        <translation>List of players</translation>
    </message>
    <message>
        <source>           CПИСОК ИГРОКОВ И ИХ РЕЙТИНГИ</source>
        <translation>           LIST OF PLAYERS AND THEIR RATINGS</translation>
    </message>
    <message>
        <source>Запись рейтингов в базу</source>
        <translation>Writing ratings to the base</translation>
    </message>
    <message>
        <source>spisok</source>
        <comment>file name of the player list&apos;s PDF after the base&apos;s; Latin letters only</comment>
        <translation>players</translation>
    </message>
    <message>
        <source>Только участники турнира %1</source>
        <comment>%1: the tournament file&apos;s name</comment>
        <translation>Only the players of the tournament %1</translation>
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
    <message>
        <source>Игрок</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>FIDE ID</source>
        <translation>FIDE ID</translation>
    </message>
    <message>
        <source>Фед.</source>
        <translation>Fed.</translation>
    </message>
    <message>
        <source>Звание</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Г. р.</source>
        <translation>Born</translation>
    </message>
    <message>
        <source>Список</source>
        <translation>List</translation>
    </message>
    <message>
        <source>Вся база</source>
        <translation>Whole base</translation>
    </message>
    <message>
        <source>Только участники турнира</source>
        <translation>Only the tournament’s players</translation>
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
    <name>krugovik::DrawNumbersDialog</name>
    <message>
        <source>Жеребьёвка номеров</source>
        <translation>Drawing of numbers</translation>
    </message>
    <message>
        <source>По жребию</source>
        <translation>By lot</translation>
    </message>
    <message>
        <source>По жребию с таблицами Варма</source>
        <translation>By lot with the Varma tables</translation>
    </message>
    <message>
        <source>По рейтингу</source>
        <translation>By rating</translation>
    </message>
    <message>
        <source>Вручную</source>
        <translation>By hand</translation>
    </message>
    <message>
        <source>по федерациям</source>
        <translation>by federation</translation>
    </message>
    <message>
        <source>по клубам</source>
        <translation>by club</translation>
    </message>
    <message>
        <source>Тот же номер жребия даёт ту же жеребьёвку</source>
        <translation>The same lot number gives the same draw</translation>
    </message>
    <message>
        <source>Провести жеребьёвку</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>Участник</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>Клуб</source>
        <translation>Club</translation>
    </message>
    <message>
        <source>Способ:</source>
        <translation>Method:</translation>
    </message>
    <message>
        <source>Таблицы Варма:</source>
        <translation>Varma tables:</translation>
    </message>
    <message>
        <source>Номер жребия:</source>
        <translation>Lot number:</translation>
    </message>
    <message>
        <source>Номера уже разыграны этим способом; «Провести жеребьёвку» повторит ту же жеребьёвку от нынешнего порядка.</source>
        <translation>The numbers were drawn this way already; &quot;Draw&quot; repeats the same draw from the present order.</translation>
    </message>
    <message>
        <source>Таблицы Варма служат турнирам от %1 до %2 игроков.</source>
        <translation>The Varma tables serve events of %1 to %2 players.</translation>
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
    <message>
        <source>Программа не может создать файл без имени! Наберите, пожалуйста, в поле Имя файла его имя без расширения .TXT, потом нажмите на кнопку Создать: новый турнир сразу откроется.</source>
        <translation>The program cannot create a file without a name! Please type its name without the .TXT extension in the File name box, then press Create: the new tournament opens at once.</translation>
    </message>
</context>
<context>
    <name>krugovik::HallDialog</name>
    <message>
        <source>Табло в сети</source>
        <translation>Hall board on the network</translation>
    </message>
    <message>
        <source>%1 (только этот компьютер)</source>
        <translation>%1 (this computer only)</translation>
    </message>
    <message>
        <source>Включить</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Выключить</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Адрес:</source>
        <translation>Address:</translation>
    </message>
    <message>
        <source>Порт:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Табло не включилось: %1</source>
        <translation>The hall board did not start: %1</translation>
    </message>
    <message>
        <source>Табло включено. Откройте этот адрес в браузере телефона или наведите камеру на код; для экрана в зале добавьте к адресу hall.</source>
        <translation>The hall board is on. Open this address in a phone&apos;s browser or point the camera at the code; for the hall&apos;s screen add hall to the address.</translation>
    </message>
    <message>
        <source>Табло выключено.</source>
        <translation>The hall board is off.</translation>
    </message>
</context>
<context>
    <name>krugovik::HelpViewer</name>
    <message>
        <source>Руководство судьи</source>
        <translation>Director&apos;s handbook</translation>
    </message>
    <message>
        <source>Назад</source>
        <comment>back to the page shown before</comment>
        <translation>Back</translation>
    </message>
    <message>
        <source>Оглавление</source>
        <comment>the handbook&apos;s table of contents</comment>
        <translation>Contents</translation>
    </message>
    <message>
        <source># Руководство не найдено

Руководство ставится вместе с программой в папку `share/doc/krugovik/handbook`; там его нет.</source>
        <translation># Handbook not found

The handbook is installed with the program in the folder `share/doc/krugovik/handbook`; it is not there.</translation>
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
    <message>
        <source>Другая программа загружает рейтинг-лист в эту же папку. Загрузка начнётся, когда она закончит…</source>
        <translation>Another program is importing a rating list into the same folder. The import starts when it has finished…</translation>
    </message>
</context>
<context>
    <name>krugovik::NormsView</name>
    <message>
        <source>Нормы и рейтинг ФИДЕ</source>
        <translation>FIDE norms and rating</translation>
    </message>
    <message>
        <source>Сертификаты норм…</source>
        <translation>Norm certificates…</translation>
    </message>
    <message>
        <source>Рейтинг-отчёт…</source>
        <translation>Rating report…</translation>
    </message>
    <message>
        <source>Средний рейтинг ФИДЕ: %1, категория: %2</source>
        <translation>Average FIDE rating: %1, category: %2</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Рейтинга ФИДЕ нет ни у кого.</source>
        <translation>Nobody has a FIDE rating.</translation>
    </message>
    <message>
        <source>Турнир может быть обсчитан ФИДЕ.</source>
        <translation>FIDE can rate the event.</translation>
    </message>
    <message>
        <source>Турнир не может быть обсчитан ФИДЕ: рейтинг должен быть хотя бы у трети игроков, и не меньше чем у четырёх, если игроков меньше десяти.</source>
        <translation>FIDE cannot rate the event: at least a third of the players must be rated, and at least four when fewer than ten play.</translation>
    </message>
    <message>
        <source>Турнир может дать нормы званий.</source>
        <translation>The event can give title norms.</translation>
    </message>
    <message>
        <source>Норм званий в турнире выполнить нельзя.</source>
        <translation>No title norm can be made in the event.</translation>
    </message>
    <message>
        <source>№</source>
        <comment>column caption: start number</comment>
        <translation>No.</translation>
    </message>
    <message>
        <source>Участник</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>Звание</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Федерация</source>
        <translation>Federation</translation>
    </message>
    <message>
        <source>Рейтинг ФИДЕ</source>
        <translation>FIDE rating</translation>
    </message>
    <message>
        <source>K</source>
        <translation>K</translation>
    </message>
    <message>
        <source>Партий</source>
        <translation>Games</translation>
    </message>
    <message>
        <source>Очки</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Ожидалось</source>
        <translation>Expected</translation>
    </message>
    <message>
        <source>Изменение</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Перфоманс</source>
        <translation>Performance</translation>
    </message>
    <message>
        <source>Нормы</source>
        <translation>Norms</translation>
    </message>
    <message>
        <source>первый рейтинг %1</source>
        <translation>first rating %1</translation>
    </message>
    <message>
        <source>Турнир не может быть обсчитан ФИДЕ: в двухкруговом турнире с игроками без рейтинга должно быть не меньше шести участников.</source>
        <translation>FIDE cannot rate the event: a double round robin with unrated players needs at least six players.</translation>
    </message>
</context>
<context>
    <name>krugovik::RoundDisplay</name>
    <message>
        <source>Жеребьёвка</source>
        <translation>Pairings</translation>
    </message>
    <message>
        <source>Печать ПРОТОКОЛА тура</source>
        <translation>Print the round result sheet</translation>
    </message>
    <message>
        <source>Выбор тура</source>
        <translation>Choose a round</translation>
    </message>
    <message>
        <source>Показать тур: его доски, результаты и кто отдыхает</source>
        <translation>Show a round: its boards, results and who has the bye</translation>
    </message>
</context>
<context>
    <name>krugovik::StandingsView</name>
    <message>
        <source>Места</source>
        <translation>Standings</translation>
    </message>
    <message>
        <source>Место</source>
        <translation>Place</translation>
    </message>
    <message>
        <source>Участник</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>Очки</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>№</source>
        <comment>column caption: start number</comment>
        <translation>No.</translation>
    </message>
    <message>
        <source>%1 (№ %2)</source>
        <comment>a player and his start number</comment>
        <translation>%1 (No. %2)</translation>
    </message>
    <message>
        <source>Ниже, чем %1: %2</source>
        <translation>Below %1: %2</translation>
    </message>
    <message>
        <source>Выше, чем %1: %2</source>
        <translation>Above %1: %2</translation>
    </message>
    <message>
        <source>Правила не разделили: место общее</source>
        <translation>The rules did not part them: the place is shared</translation>
    </message>
    <message>
        <source>Что решило</source>
        <comment>column caption: the tie-break that decided a tie</comment>
        <translation>Decided by</translation>
    </message>
</context>
<context>
    <name>krugovik::TieBreaksDialog</name>
    <message>
        <source>Правила распределения мест</source>
        <translation>Tie-break rules</translation>
    </message>
    <message>
        <source>Очки, Бергер, личная встреча, победы</source>
        <translation>Points, Sonneborn-Berger, direct encounter, wins</translation>
    </message>
    <message>
        <source>FIDE: личная встреча, победы, Зоннеборн-Бергер, Койя</source>
        <translation>FIDE: direct encounter, wins, Sonneborn-Berger, Koya</translation>
    </message>
    <message>
        <source>Своя</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>со своей оценкой рейтинга</source>
        <translation>with their own rating estimate</translation>
    </message>
    <message>
        <source>с рейтингом</source>
        <translation>with the rating</translation>
    </message>
    <message>
        <source>Добавить</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Убрать</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Выше</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Ниже</source>
        <translation>Down</translation>
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
        <source>Места по очкам, затем:</source>
        <translation>Places by points, then:</translation>
    </message>
    <message>
        <source>Дополнительные показатели по порядку:</source>
        <translation>Tie-breaks in order:</translation>
    </message>
    <message>
        <source>Игрок без установленного рейтинга в ARO, TPR и RTNG считается:</source>
        <translation>In ARO, TPR and RTNG an unrated player counts:</translation>
    </message>
    <message>
        <source>Бергер</source>
        <translation>Sonneborn-Berger</translation>
    </message>
    <message>
        <source>Личная встреча</source>
        <translation>Direct encounter</translation>
    </message>
    <message>
        <source>Победы</source>
        <translation>Wins</translation>
    </message>
</context>
<context>
    <name>krugovik::TieOrderDialog</name>
    <message>
        <source>Порядок при равенстве</source>
        <translation>Order of tied players</translation>
    </message>
    <message>
        <source>Выше</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Ниже</source>
        <translation>Down</translation>
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
        <source>Игроки, которых правила не развели, в порядке решения судьи (выше — лучше):</source>
        <translation>Players the rules leave tied, in the order the arbiter decides (higher is better):</translation>
    </message>
</context>
<context>
    <name>krugovik::TournamentDocument</name>
    <message>
        <source>число игроков %1</source>
        <translation>number of players %1</translation>
    </message>
    <message>
        <source>результат партии %1-%2</source>
        <translation>result of game %1-%2</translation>
    </message>
    <message>
        <source>результат партии %1-%2 (цикл %3)</source>
        <translation>result of game %1-%2 (cycle %3)</translation>
    </message>
    <message>
        <source>число циклов %1</source>
        <translation>number of cycles %1</translation>
    </message>
    <message>
        <source>порядок двух последних туров</source>
        <translation>order of the last two rounds</translation>
    </message>
    <message>
        <source>ввод игрока в строку %1</source>
        <translation>player entered in row %1</translation>
    </message>
    <message>
        <source>результат на доске %1</source>
        <translation>result on board %1</translation>
    </message>
    <message>
        <source>правила распределения мест</source>
        <translation>tie-break rules</translation>
    </message>
    <message>
        <source>сведения о турнире</source>
        <translation>tournament details</translation>
    </message>
    <message>
        <source>выбытие игрока %1</source>
        <translation>withdrawal of player %1</translation>
    </message>
    <message>
        <source>возвращение игрока %1</source>
        <translation>reinstatement of player %1</translation>
    </message>
    <message>
        <source>жеребьёвку номеров</source>
        <translation>drawing of numbers</translation>
    </message>
</context>
<context>
    <name>krugovik::TournamentWindow</name>
    <message>
        <source>Клавиатура: стрелки, Tab, Home, End — выбор клетки.
В клетке партии: 1 — победа, 0 — поражение, 5 или = — ничья (0.5),
+ — победа без игры, - — поражение без игры, Delete или Backspace — без результата,
пробел — следующий результат, как щелчок.
Enter или пробел на номере игрока — занести в строку игрока из базы,
на заголовке — как щелчок по нему.</source>
        <translation>Keyboard: arrows, Tab, Home, End — choose a cell.
In a game cell: 1 — win, 0 — loss, 5 or = — draw (0.5),
+ — win by forfeit, - — loss by forfeit, Delete or Backspace — no result,
Space — the next result, like a click.
Enter or Space on a player&apos;s number — enter the player from the base into the row,
on a header — like a click on it.</translation>
    </message>
    <message>
        <source>Сохранение результатов текущего турнира</source>
        <translation>Save the results of the current tournament</translation>
    </message>
    <message>
        <source>Распечатать таблицу</source>
        <translation>Print the crosstable</translation>
    </message>
    <message>
        <source>Печать турнирной таблицы</source>
        <translation>Print the crosstable</translation>
    </message>
    <message>
        <source>Число участников турнира.
Верхняя стрелка — на одного игрока меньше,
нижняя стрелка — на одного игрока больше.</source>
        <translation>Number of players in the tournament.
Upper arrow — one player fewer,
lower arrow — one player more.</translation>
    </message>
    <message>
        <source>Полная таблица</source>
        <translation>Full table</translation>
    </message>
    <message>
        <source>Уменьшает поле таблицы под разрешение 800 на 600</source>
        <translation>Shrinks the table area to fit an 800 × 600 screen</translation>
    </message>
    <message>
        <source>Циклов:</source>
        <translation>Cycles:</translation>
    </message>
    <message>
        <source>Сколько раз встречается каждая пара игроков: 1 — круговой турнир, 2 — двухкруговой</source>
        <translation>How many times each pair of players meets: 1 — round robin, 2 — double round robin</translation>
    </message>
    <message>
        <source>Два последних тура 1-го цикла наоборот</source>
        <translation>Last two rounds of cycle 1 reversed</translation>
    </message>
    <message>
        <source>Два последних тура первого цикла играются в обратном порядке, чтобы никто не играл трижды подряд одним цветом (совет ФИДЕ для многокруговых турниров)</source>
        <translation>The last two rounds of the first cycle are played in reverse order, so that nobody plays the same colour three times in a row (FIDE advice for multiple round robins)</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Вы действительно хотите выйти из программы?</source>
        <translation>Do you really want to exit the program?</translation>
    </message>
    <message>
        <source>Выход из программы</source>
        <translation>Exit the program</translation>
    </message>
    <message>
        <source>Игрока без рейтинга или начальной оценки включать в турнир нельзя!</source>
        <translation>A player without a rating or an initial estimate cannot be entered in the tournament!</translation>
    </message>
    <message>
        <source>Игрок %1 уже занесён в турнирную таблицу!</source>
        <translation>Player %1 is already in the crosstable!</translation>
    </message>
    <message>
        <source>Число циклов нельзя уменьшить до %1: в цикле %2 уже есть результаты. Сначала удалите их.</source>
        <translation>The number of cycles cannot be reduced to %1: cycle %2 already has results. Delete them first.</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Файл %1 не удалось прочитать: %2. Таблица показана пустой; прежде чем сохранение заменит этот файл, программа спросит об этом.</source>
        <translation>The file %1 could not be read: %2. The table is shown empty; before a save replaces this file, the program will ask you.</translation>
    </message>
    <message>
        <source>Файл %1 не прочитан: %2. Таблица показана пустой; прежде чем сохранение заменит этот файл, программа спросит об этом.</source>
        <translation>The file %1 was not read: %2. The table is shown empty; before a save replaces this file, the program will ask you.</translation>
    </message>
    <message>
        <source>Файл %1 не похож на файл турнира: %2. Таблица показана пустой; прежде чем сохранение заменит этот файл, программа спросит об этом.</source>
        <translation>The file %1 does not look like a tournament file: %2. The table is shown empty; before a save replaces this file, the program will ask you.</translation>
    </message>
    <message>
        <source>Несохранённая версия турнира %1 от %2 не прочитана: %3. Она оставлена в файле %4; таблица показана по файлу турнира.</source>
        <translation>The unsaved version of the tournament %1 from %2 was not read: %3. It was left in the file %4; the table is shown from the tournament file.</translation>
    </message>
    <message>
        <source>Несохранённая версия турнира %1 от %2 не прочитана: %3. Она оставлена в файле %4; таблица показана пустой.</source>
        <translation>The unsaved version of the tournament %1 from %2 was not read: %3. It was left in the file %4; the table is shown empty.</translation>
    </message>
    <message>
        <source>Турнир не сохранён в файл %1: записанный файл программа не смогла бы прочитать (%2). Это ошибка программы. Файл не изменён; всё введённое осталось в программе и в её резервной копии.</source>
        <translation>The tournament was not saved to the file %1: the program could not have read the written file (%2). This is a fault of the program. The file is unchanged; everything entered remains in the program and in its recovery copy.</translation>
    </message>
    <message>
        <source>Турнир не сохранён в файл %1: %2. Всё введённое осталось в программе, а прежний файл не изменён; сохраните ещё раз.</source>
        <translation>The tournament was not saved to the file %1: %2. Everything entered remains in the program and the former file is unchanged; save again.</translation>
    </message>
    <message>
        <source>Файл %1 не удалось прочитать: %2. Если его заменить, записанный в нём турнир будет потерян. Заменить файл этой таблицей?</source>
        <translation>The file %1 could not be read: %2. If it is replaced, the tournament it holds will be lost. Replace the file with this table?</translation>
    </message>
    <message>
        <source>Сохранение</source>
        <translation>Saving</translation>
    </message>
    <message>
        <source>Файл %1 не похож на файл турнира: %2. Если его заменить, его содержимое будет потеряно. Заменить файл этой таблицей?</source>
        <translation>The file %1 does not look like a tournament file: %2. If it is replaced, its content will be lost. Replace the file with this table?</translation>
    </message>
    <message>
        <source>Файл %1 изменён другой программой после того, как вы его открыли. Заменить его?</source>
        <translation>The file %1 was changed by another program after you opened it. Replace it?</translation>
    </message>
    <message>
        <source>Сохранить изменения в турнире %1?</source>
        <translation>Save the changes to the tournament %1?</translation>
    </message>
    <message>
        <source>Турнир не сохранён: в таблице есть строки без игроков.</source>
        <translation>The tournament was not saved: the table has rows without players.</translation>
    </message>
    <message>
        <source>Найдена несохранённая версия турнира %1 от %2. Восстановить?</source>
        <translation>An unsaved version of the tournament %1 from %2 was found. Restore it?</translation>
    </message>
    <message>
        <source>Таблица турнира</source>
        <translation>Crosstable</translation>
    </message>
    <message>
        <source>Протокол тура</source>
        <translation>Round result sheet</translation>
    </message>
    <message>
        <source>Выбыл после тура…</source>
        <translation>Withdrew after round…</translation>
    </message>
    <message>
        <source>Вернуть в турнир</source>
        <translation>Reinstate</translation>
    </message>
    <message>
        <source>Выбыл после тура</source>
        <translation>Withdrew after round</translation>
    </message>
    <message>
        <source>Игрок %1 (№ %2) выбыл после тура:</source>
        <translation>Player %1 (No. %2) withdrew after round:</translation>
    </message>
    <message>
        <source>без имени</source>
        <translation>no name</translation>
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
        <source>tablica</source>
        <comment>file name of the crosstable&apos;s PDF after the tournament&apos;s; Latin letters only</comment>
        <translation>crosstable</translation>
    </message>
    <message>
        <source>protokol-%1</source>
        <comment>file name of a round&apos;s result sheet PDF; %1 the round; Latin letters only</comment>
        <translation>round-%1</translation>
    </message>
    <message>
        <source>Игрок с FIDE ID %1 уже занесён в турнирную таблицу: строка %2, %3!</source>
        <translation>The player with FIDE ID %1 is already in the crosstable: row %2, %3!</translation>
    </message>
    <message>
        <source>Один цикл нельзя: два последних тура 1-го цикла уже сыграны в обратном порядке, а в одном цикле они идут по таблице.</source>
        <translation>One cycle is not possible: the last two rounds of cycle 1 were played the other way round, and one cycle plays them in the table&apos;s order.</translation>
    </message>
    <message>
        <source>Порядок двух последних туров 1-го цикла нельзя изменить: в них уже есть результаты.</source>
        <translation>The order of the last two rounds of cycle 1 cannot be changed: they already have results.</translation>
    </message>
</context>
</TS>
