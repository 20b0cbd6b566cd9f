#include "AuthorNames.h"

#include "TextUtils.h"

#include <algorithm>
#include <array>

namespace {

struct TName
{
    std::string_view abbreviation; // as written, without the final dot
    std::string_view author;
    std::string_view title = {};
};

// The dictionary's abbreviations of the writers it quotes in verse, with its misprints of them.
constexpr TName kNames[] = {
    {"A. Hamilton", "Alexander Hamilton"},
    {"A. Lincoln", "Abraham Lincoln"},
    {"A. Seward", "Anna Seward"},
    {"Abp. Abbot", "George Abbot"},
    {"Addisin", "Joseph Addison"},
    {"Addison", "Joseph Addison"},
    {"Akenside", "Mark Akenside"},
    {"Anti-Jacobin", "George Canning and others", "The Anti-Jacobin"},
    {"Arbuthnot", "John Arbuthnot"},
    {"Armstrong", "John Armstrong"},
    {"Atterbury", "Francis Atterbury"},
    {"Aytoun", "William Edmondstoune Aytoun"},
    {"B. Jonson", "Ben Jonson"},
    {"B. R. Haydon", "Benjamin Robert Haydon"},
    {"Bacon", "Francis Bacon"},
    {"Bancroft", "George Bancroft"},
    {"Barlow", "Joel Barlow"},
    {"Barrow", "Isaac Barrow"},
    {"Beaconsfield", "Benjamin Disraeli"},
    {"Beattie", "James Beattie"},
    {"Beau & Fl", "Beaumont and Fletcher"},
    {"Beau. & FL", "Beaumont and Fletcher"},
    {"Beau. & Fl", "Beaumont and Fletcher"},
    {"Beaumont", "Francis Beaumont"},
    {"Berkeley", "George Berkeley"},
    {"Blackmore", "Sir Richard Blackmore"},
    {"Blackstone", "William Blackstone"},
    {"Bp. Burnet", "Gilbert Burnet"},
    {"Bp. Coxe", "Arthur Cleveland Coxe"},
    {"Bp. Hall", "Joseph Hall"},
    {"Bp. Stillingfleet", "Edward Stillingfleet"},
    {"Bp. Warburton", "William Warburton"},
    {"Browning", "Robert Browning"},
    {"Bryant", "William Cullen Bryant"},
    {"Budgell", "Eustace Budgell"},
    {"Bunyan", "John Bunyan"},
    {"Burke", "Edmund Burke"},
    {"Burns", "Robert Burns"},
    {"Buron", "Lord Byron"},
    {"Byrom", "John Byrom"},
    {"Byron", "Lord Byron"},
    {"C. Kingsley", "Charles Kingsley"},
    {"C. Smart", "Christopher Smart"},
    {"C. Sprague", "Charles Sprague"},
    {"Campbell", "Thomas Campbell"},
    {"Canning", "George Canning"},
    {"Carew", "Thomas Carew"},
    {"Carlyle", "Thomas Carlyle"},
    {"Cary", "Henry Francis Cary"},
    {"Cawthorn", "James Cawthorn"},
    {"Chapman", "George Chapman"},
    {"Chaucer", "Geoffrey Chaucer"},
    {"Chaucer's Dream", "Anonymous", "Chaucer's Dream"},
    {"Chesterfield", "Lord Chesterfield"},
    {"Churchill", "Charles Churchill"},
    {"Clarendon", "Edward Hyde, Earl of Clarendon"},
    {"Cleveland", "John Cleveland"},
    {"Coleridge", "Samuel Taylor Coleridge"},
    {"Colerige", "Samuel Taylor Coleridge"},
    {"Collins", "William Collins"},
    {"Congreve", "William Congreve"},
    {"Cotton", "Charles Cotton"},
    {"Court of Love", "Anonymous", "The Court of Love"},
    {"Cowley", "Abraham Cowley"},
    {"Cowper", "William Cowper"},
    {"Crabbe", "George Crabbe"},
    {"Crashaw", "Richard Crashaw"},
    {"Creech", "Thomas Creech"},
    {"Creecn", "Thomas Creech"},
    {"D. Mallet", "David Mallet"},
    {"D. Webster", "Daniel Webster"},
    {"Daniel", "Samuel Daniel"},
    {"Davenant", "Sir William Davenant"},
    {"De Quiency", "Thomas De Quincey"},
    {"De Quincey", "Thomas De Quincey"},
    {"Decker", "Thomas Dekker"},
    {"Den?am", "Sir John Denham"},
    {"Denham", "Sir John Denham"},
    {"Denhan", "Sir John Denham"},
    {"Dennham", "Sir John Denham"},
    {"Dickens", "Charles Dickens"},
    {"Doddridge", "Philip Doddridge"},
    {"Dodsley", "Robert Dodsley"},
    {"Donne", "John Donne"},
    {"Dr. H. More", "Henry More"},
    {"Drant", "Thomas Drant"},
    {"Drayton", "Michael Drayton"},
    {"Driden", "John Dryden"},
    {"Drummond", "William Drummond of Hawthornden"},
    {"Dryden", "John Dryden"},
    {"Dryder", "John Dryden"},
    {"Dwight", "Timothy Dwight"},
    {"Dyer", "John Dyer"},
    {"E. Arnold", "Sir Edwin Arnold"},
    {"E. Darwin", "Erasmus Darwin"},
    {"E. Everett", "Edward Everett"},
    {"E. Smith", "Edmund Smith"},
    {"Emerson", "Ralph Waldo Emerson"},
    {"Evelyn", "John Evelyn"},
    {"F. Beaumont", "Francis Beaumont"},
    {"F. S. Key", "Francis Scott Key"},
    {"Fabian", "Robert Fabyan"},
    {"Fabyan", "Robert Fabyan"},
    {"Fairfax", "Edward Fairfax"},
    {"Falconer", "William Falconer"},
    {"Family of Love", "Thomas Middleton", "The Family of Love"},
    {"Fanshawe", "Sir Richard Fanshawe"},
    {"Fawkes", "Francis Fawkes"},
    {"Fenton", "Elijah Fenton"},
    {"Fielding", "Henry Fielding"},
    {"Ford", "John Ford"},
    {"Fuller", "Thomas Fuller"},
    {"G. Eliot", "George Eliot"},
    {"G. Fletcher", "Giles Fletcher"},
    {"G. Massey", "Gerald Massey"},
    {"Garrick", "David Garrick"},
    {"Garth", "Sir Samuel Garth"},
    {"Gascoigne", "George Gascoigne"},
    {"Gauden", "John Gauden"},
    {"Gay", "John Gay"},
    {"Gibbon", "Edward Gibbon"},
    {"Glover", "Richard Glover"},
    {"Goldsmith", "Oliver Goldsmith"},
    {"Gower", "John Gower"},
    {"Granville", "George Granville"},
    {"Gray", "Thomas Gray"},
    {"Greene", "Robert Greene"},
    {"Guardian", "Richard Steele and others", "The Guardian"},
    {"H. Coleridge", "Hartley Coleridge"},
    {"H. Taylor", "Sir Henry Taylor"},
    {"Habington", "William Habington"},
    {"Hallam", "Henry Hallam"},
    {"Halleck", "Fitz-Greene Halleck"},
    {"Hannah More", "Hannah More"},
    {"Hannan More", "Hannah More"},
    {"Harte", "Walter Harte"},
    {"Hawthorne", "Nathaniel Hawthorne"},
    {"Hayward", "Sir John Hayward"},
    {"Heber", "Reginald Heber"},
    {"Herbert", "George Herbert"},
    {"Herrick", "Robert Herrick"},
    {"Hobbes", "Thomas Hobbes"},
    {"Holinshed", "Raphael Holinshed"},
    {"Holland", "Philemon Holland"},
    {"Holmes", "Oliver Wendell Holmes"},
    {"Hood", "Thomas Hood"},
    {"Hooker", "Richard Hooker"},
    {"Hoole", "John Hoole"},
    {"Howell", "James Howell"},
    {"Hudibras", "Samuel Butler", "Hudibras"},
    {"I. Taylor", "Isaac Taylor"},
    {"I. Watts", "Isaac Watts"},
    {"J. A. Symonds", "John Addington Symonds"},
    {"J. Armstrong", "John Armstrong"},
    {"J. Barlow", "Joel Barlow"},
    {"J. C. Fremont", "John C. Fr\u00e9mont"},
    {"J. C. Shairp", "John Campbell Shairp"},
    {"J. Dryden, Jr", "John Dryden the Younger"},
    {"J. Fletcher", "John Fletcher"},
    {"J. H. Newman", "John Henry Newman"},
    {"J. Hughes", "John Hughes"},
    {"J. Ingelow", "Jean Ingelow"},
    {"J. Montgomery", "James Montgomery"},
    {"J. Morley", "John Morley"},
    {"J. N. Newman", "John Henry Newman"},
    {"J. P. Kemble", "John Philip Kemble"},
    {"J. Philips", "John Philips"},
    {"J. R. Drake", "Joseph Rodman Drake"},
    {"J. Scott of Amwell", "John Scott of Amwell"},
    {"J. Warton", "Joseph Warton"},
    {"J. Webster", "John Webster"},
    {"Jer. Taylor", "Jeremy Taylor"},
    {"Johnson", "Samuel Johnson"},
    {"Keats", "John Keats"},
    {"Keble", "John Keble"},
    {"Kipling", "Rudyard Kipling"},
    {"Knolles", "Richard Knolles"},
    {"Kyd", "Thomas Kyd"},
    {"L'Estrange", "Sir Roger L'Estrange"},
    {"Lamb", "Charles Lamb"},
    {"Landor", "Walter Savage Landor"},
    {"Latimer", "Hugh Latimer"},
    {"Ld. Lytton", "Edward Bulwer-Lytton"},
    {"Leigh Hunt", "Leigh Hunt"},
    {"Locke", "John Locke"},
    {"Logfellow", "Henry Wadsworth Longfellow"},
    {"Longfellow", "Henry Wadsworth Longfellow"},
    {"Lord Campbell", "John Campbell, Lord Campbell"},
    {"Lord Erskine", "Thomas Erskine"},
    {"Lovelace", "Richard Lovelace"},
    {"Lowell", "James Russell Lowell"},
    {"Lowgfellow", "Henry Wadsworth Longfellow"},
    {"Lydgate", "John Lydgate"},
    {"Lyttleton", "George Lyttelton"},
    {"M. Arnold", "Matthew Arnold"},
    {"M. Green", "Matthew Green"},
    {"MIlton", "John Milton"},
    {"Macaulay", "Thomas Babington Macaulay"},
    {"Madison", "James Madison"},
    {"Makaulay", "Thomas Babington Macaulay"},
    {"Marlowe", "Christopher Marlowe"},
    {"Marston", "John Marston"},
    {"Marvell", "Andrew Marvell"},
    {"Mason", "William Mason"},
    {"Massinger", "Philip Massinger"},
    {"Messinger", "Philip Massinger"},
    {"Mickle", "William Julius Mickle"},
    {"Milman", "Henry Hart Milman"},
    {"Miltom", "John Milton"},
    {"Milton", "John Milton"},
    {"Mir. for Mag", "William Baldwin and others", "A Mirror for Magistrates"},
    {"Miton", "John Milton"},
    {"Mlton", "John Milton"},
    {"Moir", "David Macbeth Moir"},
    {"Moore", "Thomas Moore"},
    {"Morte d'Arthure", "Anonymous", "Morte d'Arthure"},
    {"Mother Goose", "Anonymous", "Mother Goose"},
    {"Mrs. Barbauld", "Anna Laetitia Barbauld"},
    {"Mrs. Browning", "Elizabeth Barrett Browning"},
    {"Mrs. Hemans", "Felicia Hemans"},
    {"N. Cotton", "Nathaniel Cotton"},
    {"Neale", "John Mason Neale"},
    {"Old Play", "Anonymous", "an old play"},
    {"Old Prov", "Anonymous", "an old proverb"},
    {"Old Proverb", "Anonymous", "an old proverb"},
    {"Old Rhyme", "Anonymous", "an old rhyme"},
    {"Old Song", "Anonymous", "an old song"},
    {"Oldham", "John Oldham"},
    {"Otway", "Thomas Otway"},
    {"P. Fletcher", "Phineas Fletcher"},
    {"P. Plowman", "William Langland", "Piers Plowman"},
    {"Parnell", "Thomas Parnell"},
    {"Payne", "John Howard Payne"},
    {"Peele", "George Peele"},
    {"Pennant", "Thomas Pennant"},
    {"Pepe", "Alexander Pope"},
    {"Percival", "James Gates Percival"},
    {"Piers Plowman", "William Langland", "Piers Plowman"},
    {"Pinkerton", "John Pinkerton"},
    {"Pior", "Matthew Prior"},
    {"Pope", "Alexander Pope"},
    {"Praed", "Winthrop Mackworth Praed"},
    {"Prescott", "William H. Prescott"},
    {"Prior", "Matthew Prior"},
    {"Prof. Wilson", "John Wilson"},
    {"Quarles", "Francis Quarles"},
    {"R. Browning", "Robert Browning"},
    {"R. Carew", "Richard Carew"},
    {"R. Jago", "Richard Jago"},
    {"R. S. Poole", "Reginald Stuart Poole"},
    {"R. of Brunne", "Robert Mannyng of Brunne"},
    {"R. of Glouc", "Robert of Gloucester"},
    {"Ramsay", "Allan Ramsay"},
    {"Rochester", "John Wilmot, Earl of Rochester"},
    {"Rogers", "Samuel Rogers"},
    {"Rom. of R", "Geoffrey Chaucer", "The Romaunt of the Rose"},
    {"Roscommon", "Wentworth Dillon, Earl of Roscommon"},
    {"Rowe", "Nicholas Rowe"},
    {"Rymer", "Thomas Rymer"},
    {"S. Baring-Gould", "Sabine Baring-Gould"},
    {"S. F. Smith", "Samuel Francis Smith"},
    {"S. Rogers", "Samuel Rogers"},
    {"S. Rowlands", "Samuel Rowlands"},
    {"Sandys", "George Sandys"},
    {"Saxe", "John Godfrey Saxe"},
    {"Shak", "William Shakespeare"},
    {"Shakespeare", "William Shakespeare"},
    {"Shelley", "Percy Bysshe Shelley"},
    {"Shenstone", "William Shenstone"},
    {"Sir H. Taylor", "Sir Henry Taylor"},
    {"Sir H. Wotton", "Sir Henry Wotton"},
    {"Sir J. Davies", "Sir John Davies"},
    {"Sir J. Denham", "Sir John Denham"},
    {"Sir P. Sidney", "Sir Philip Sidney"},
    {"Sir T. Browne", "Sir Thomas Browne"},
    {"Sir T. More", "Sir Thomas More"},
    {"Sir T. North", "Sir Thomas North"},
    {"Sir W. Jones", "Sir William Jones"},
    {"Sir W. Raleigh", "Sir Walter Raleigh"},
    {"Sir W. Scott", "Sir Walter Scott"},
    {"Sir W. Temple", "Sir William Temple"},
    {"Sir. J. Davies", "Sir John Davies"},
    {"Skelton", "John Skelton"},
    {"Smollett", "Tobias Smollett"},
    {"Somerville", "William Somerville"},
    {"South", "Robert South"},
    {"Southern", "Thomas Southerne"},
    {"Southey", "Robert Southey"},
    {"Spebser", "Edmund Spenser"},
    {"Spectator", "Joseph Addison and Richard Steele", "The Spectator"},
    {"Spenser", "Edmund Spenser"},
    {"Sterne", "Laurence Sterne"},
    {"Strype", "John Strype"},
    {"Suckling", "Sir John Suckling"},
    {"Surrey", "Henry Howard, Earl of Surrey"},
    {"Swift", "Jonathan Swift"},
    {"Sylvester", "Joshua Sylvester"},
    {"T. Moore", "Thomas Moore"},
    {"T. Warton", "Thomas Warton"},
    {"Tate", "Nahum Tate"},
    {"Tatler", "Richard Steele and others", "The Tatler"},
    {"Tennyson", "Alfred, Lord Tennyson"},
    {"Thackeray", "William Makepeace Thackeray"},
    {"Thomson", "James Thomson"},
    {"Tickell", "Thomas Tickell"},
    {"Tillotson", "John Tillotson"},
    {"Trench", "Richard Chenevix Trench"},
    {"Trumbull", "John Trumbull"},
    {"Turbervile", "George Turberville"},
    {"Tusser", "Thomas Tusser"},
    {"Two N. Kins", "William Shakespeare and John Fletcher", "The Two Noble Kinsmen"},
    {"W. Browne", "William Browne"},
    {"W. H. Seward", "William H. Seward"},
    {"W. Howitt", "William Howitt"},
    {"W. Irving", "Washington Irving"},
    {"W. Thompson", "William Thompson"},
    {"W. Tooke", "William Tooke"},
    {"W. Walsh", "William Walsh"},
    {"Waller", "Edmund Waller"},
    {"Walpole", "Horace Walpole"},
    {"Warburton", "William Warburton"},
    {"Warner", "William Warner"},
    {"Washington", "George Washington"},
    {"Waterland", "Daniel Waterland"},
    {"Webster", "John Webster"},
    {"Whitehead", "William Whitehead"},
    {"Whittier", "John Greenleaf Whittier"},
    {"Wilkie", "William Wilkie"},
    {"Wither", "George Wither"},
    {"Wordsworth", "William Wordsworth"},
    {"Wordworth", "William Wordsworth"},
    {"Wyatt", "Sir Thomas Wyatt"},
    {"Young", "Edward Young"},
};

struct TBook
{
    std::string_view abbreviation;
    std::string_view name;
};

constexpr TBook kBooks[] = {
    {"Gen", "Genesis"},      {"Ex", "Exodus"},
    {"Lev", "Leviticus"},    {"Num", "Numbers"},
    {"Deut", "Deuteronomy"}, {"Josh", "Joshua"},
    {"Judg", "Judges"},      {"Ruth", "Ruth"},
    {"Job", "Job"},          {"Ps", "Psalms"},
    {"Prov", "Proverbs"},    {"Eccl", "Ecclesiastes"},
    {"Gal", "Galatians"},    {"Cant", "Song of Solomon"},
    {"Is", "Isaiah"},        {"Jer", "Jeremiah"},
    {"Lam", "Lamentations"}, {"Ezek", "Ezekiel"},
    {"Dan", "Daniel"},       {"Matt", "Matthew"},
    {"Mark", "Mark"},        {"Luke", "Luke"},
    {"John", "John"},        {"Acts", "Acts"},
    {"Rom", "Romans"},       {"Heb", "Hebrews"},
    {"James", "James"},      {"Rev", "Revelation"},
};

const TName *FindName(std::string_view abbreviation)
{
    const auto it = std::find_if(std::begin(kNames), std::end(kNames),
                                 [&](const TName &n) { return n.abbreviation == abbreviation; });
    return it == std::end(kNames) ? nullptr : &*it;
}

std::string_view WithoutFinalDot(std::string_view text)
{
    text = Trim(text);
    while (!text.empty() && (text.back() == '.' || text.back() == ' '))
        text.remove_suffix(1);
    return text;
}

bool IsRomanNumeral(std::string_view word)
{
    word = WithoutFinalDot(word);
    return !word.empty() && word.find_first_not_of("ivxlc") == std::string_view::npos;
}

// "Ps. xxiii. 4" -> the Bible, "Psalms xxiii. 4".
bool ExpandBibleReference(std::string_view text, TLineSource &source)
{
    const std::size_t space = text.find(' ');
    if (space == std::string_view::npos)
        return false;
    const std::string_view book = WithoutFinalDot(text.substr(0, space));
    const std::string_view rest = text.substr(space + 1);
    if (!IsRomanNumeral(rest.substr(0, rest.find(' '))))
        return false;
    for (const TBook &b : kBooks)
        if (b.abbreviation == book) {
            source.author = "The Bible";
            source.title = std::string(b.name) + " " + std::string(rest);
            return true;
        }
    return false;
}

bool IsExcluded(std::string_view attribution)
{
    static constexpr std::array<std::string_view, 4> marks = {"lyrics", "(Song)", "Song (19",
                                                              "Dylan Thomas"};
    return std::any_of(marks.begin(), marks.end(), [&](std::string_view m) {
        return attribution.find(m) != std::string_view::npos;
    });
}

// A title in parentheses at the end; a bare year there names no work.
std::string_view TitleIn(std::string_view parenthesised)
{
    std::string_view title = WithoutFinalDot(parenthesised);
    title = Trim(title.substr(0, title.find_first_of(",(;")));
    if (title.find_first_not_of("0123456789.") == std::string_view::npos)
        return {};
    return title;
}

bool IsDictionaryNote(std::string_view text)
{
    static constexpr std::array<std::string_view, 12> notes = {
        "Obs",  "R.",  "Webster",   "WordNet", "Narrower", "Written",
        "Also", "See", "Sometimes", "Now",     "In ",      "Archaic"};
    return text.empty() || text.front() < 'A' || text.front() > 'Z' ||
           std::any_of(notes.begin(), notes.end(),
                       [&](std::string_view note) { return text.starts_with(note); });
}

TLineSource FromName(std::string_view name, std::string_view title)
{
    if (const TName *known = FindName(name))
        return {std::string(known->author), std::string(title.empty() ? known->title : title)};
    return {std::string(name), std::string(title)};
}

} // namespace

TLineSource ExpandAttribution(std::string_view attribution)
{
    const std::string text = CollapseSpaces(attribution);
    if (IsExcluded(text))
        return {{}, {}, true};
    std::string_view name = WithoutFinalDot(text);
    std::string_view title;
    // "Sir W. Scott [The Lay of the Last Minstrel]": a work in brackets, unless the brackets
    // hold one of the dictionary's own notes ("[Obs.]", "[Webster 1913 Suppl.]").
    if (const std::size_t open = name.find(" ["); open != std::string_view::npos) {
        const std::size_t close = name.find(']', open);
        const std::string_view inner = name.substr(
            open + 2, (close == std::string_view::npos ? name.size() : close) - open - 2);
        if (!IsDictionaryNote(inner))
            title = WithoutFinalDot(inner);
        name = WithoutFinalDot(name.substr(0, open));
    }
    if (const std::size_t open = name.find(" ("); open != std::string_view::npos) {
        const std::string_view inner = name.substr(open + 2, name.rfind(')') - open - 2);
        const std::string_view before = WithoutFinalDot(name.substr(0, open));
        // "King Henry VIII., Act iii. sc. 2 (Shakespeare)": the author stands in parentheses.
        if (FindName(WithoutFinalDot(inner)) && !FindName(before))
            return FromName(WithoutFinalDot(inner), Trim(before.substr(0, before.find(','))));
        title = TitleIn(inner);
        name = before;
    }
    TLineSource source;
    if (ExpandBibleReference(name, source))
        return source;
    return FromName(name, title);
}
