<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
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
    <name>Language</name>
    <message>
        <source>ru</source>
        <comment>ISO 639-1 code of the language of this translation</comment>
        <translation>en</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Круговик</source>
        <translation type="unfinished"></translation>
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
</TS>
