<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
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
    <name>Language</name>
    <message>
        <source>ru</source>
        <comment>ISO 639-1 code of the language of this translation</comment>
        <translation type="unfinished"></translation>
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
        <translation>Berger</translation>
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
</context>
<context>
    <name>krugovik::RoundDisplay</name>
    <message>
        <source>Жеребьёвка</source>
        <translation>Pairings</translation>
    </message>
    <message>
        <source>Печать ПРОТОКОЛА тура</source>
        <translation>Print the ROUND REPORT</translation>
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
</context>
<context>
    <name>krugovik::TieBreaksDialog</name>
    <message>
        <source>Правила распределения мест</source>
        <translation>Tie-break rules</translation>
    </message>
    <message>
        <source>Очки, Бергер, личная встреча, победы</source>
        <translation>Points, Berger, direct encounter, wins</translation>
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
        <translation>Berger</translation>
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
        <translation>Round report</translation>
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
</context>
</TS>
