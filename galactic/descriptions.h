// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The characteristics paragraph of each galactic sign.
#include <string_view>
namespace quorvane::descriptions {
inline constexpr std::string_view Build =
    "Picture a figure bent over a drafting table, tools in hand, sketching the plans of something meant to last. Those "
    "born under Build carry the diligence and vision of Mercury, their ruling planet, and are at their best laying the "
    "foundations on which institutions can stand for generations. They think in blueprints and structures, weighing "
    "each beam before it is set. Discipline keeps them steady, a gift for innovation keeps their designs fresh, and a "
    "quiet resourcefulness lets them make much from little.";
inline constexpr std::string_view Trade =
    "Trade bestows the gifts of the successful entrepreneur. Natives of this sign have a keen eye for opportunity and "
    "can see a promising venture long before others notice it. They weigh risks calmly and tend to make sound "
    "decisions, even under pressure, because they trust facts more than hopes. They also have a feel for people: they "
    "know who the right customers are, what those customers truly need and how to earn their lasting loyalty. Venus "
    "lends them charm, yet their real strength is honest and pragmatic dealing, which wins them partners who come back "
    "again and again.";
inline constexpr std::string_view Collect =
    "Collect is the sign of the wise harvester, the one who knows the turning of the seasons and the nature of every "
    "crop. Such folk understand that there is a time to sow, a time to wait and a time to gather in, and they do not "
    "waste effort by acting too early or too late. Their judgement is patient and practical, and their reward comes as "
    "surely as autumn follows summer: full barns, a stocked larder, savings set aside for the lean years. The shadow "
    "of this sign is the gatherer who reaps what he never sowed, living comfortably off the wealth and labour of "
    "others. ";
inline constexpr std::string_view Heal =
    "Heal is the sign of recovery. Those born under it have a natural talent for helping others past their troubles, "
    "whether the ailment lies in the body or in the mind. They listen closely, notice what others overlook and rarely "
    "rush to conclusions, for they know that every cure begins with the right diagnosis. Once the cause is found they "
    "seek the proper remedy and apply it with patience, and they understand that good conduct, rest, comfort and "
    "kindness are part of the treatment too. Their greatest gift may be the power to free a troubled mind, to lift the "
    "weight of worry and let a person breathe freely, think and hope once again. ";
inline constexpr std::string_view Rule =
    "Rule is pictured as a crowned monarch seated on a throne, holding the sceptre in one hand and the orb in the "
    "other. Ruled by Uranus, natives of this sign are blessed with a natural confidence and a quiet dignity that makes "
    "others look to them when decisions must be made. They possess the courage to act in the hardest hours and a "
    "talent for leadership that inspires rather than commands. And yet the crown is a burden as well as an honour. The "
    "true sovereign must defend the realm against every threat, keep the peace and order within its borders and, above "
    "all, put the welfare of the people before personal comfort, pride or profit. Power, for them, is a form of "
    "service.";
inline constexpr std::string_view Interpret =
    "Interpret is the sign of the messenger, the one entrusted to carry words from one party to another. A good "
    "messenger adds nothing and leaves nothing out; the message must arrive exactly as it was given, undistorted by "
    "personal opinion or desire. Those born under this sign therefore learn early to stay neutral, to stand between "
    "two sides without taking either, and to be trusted by both. Neptune, their ruling planet, grants them unusual "
    "clarity of thought and speech along with a deep sense of devotion to the task they have accepted. In former times "
    "they might have been likened to a priest, the keeper and interpreter of spiritual knowledge, who explains the "
    "sacred texts faithfully to those who cannot read them for themselves.";
inline constexpr std::string_view Teach =
    "Teach belongs to the teacher, the one who hands down values and knowledge so that they are not lost between "
    "generations. Ruled by Saturn, natives of this sign are patient, serious and thorough, and they take the "
    "responsibility of shaping young minds to heart. They explain with care, correct without cruelty and expect steady "
    "effort from those in their charge. Their hardest task is choosing whom to teach, for wisdom given to unworthy "
    "pupils can be wasted, or even turned to harm. A true teacher therefore looks for honest hearts and eager minds.";
inline constexpr std::string_view Protect =
    "Protect is the sign of the guardian who never sleeps. Ruled by the generous and mighty Jupiter, its natives keep "
    "watch at the gate, alert to every possible danger, whether it comes from outside enemies, from hidden rivals or "
    "from simple carelessness. Their protection reaches beyond walls and bodies: they also guard ideas, inventions and "
    "intellectual property, and they defend all that is sacred, from old traditions to the trust placed in them by "
    "others. Loyal, brave and steady, they make the people around them feel safe and sheltered. ";
inline constexpr std::string_view Art =
    "Art is the sign of the creative spirit. Born under the warm light of the Sun, its natives have a strong artistic "
    "and aesthetic bent and see beauty and meaning where others see only the everyday. For them art is a language of "
    "feeling, able to express what logic and plain words cannot reach. With paint, clay, words, music or movement they "
    "take ordinary materials and ordinary moments and turn them into something of lasting beauty that speaks to people "
    "long after its maker is gone.   ";
inline constexpr std::string_view Law =
    "Law is the sign of the judge. Guided by the clear light of the Sun, its natives possess sound judgement and an "
    "intuitive sense of right and wrong. They are called to stay neutral, to hear every side before deciding and to "
    "set personal feelings aside when a verdict must be given. Fairness means more to them than favour or profit. This "
    "is the house of reward and punishment, where good deeds are honoured and wrongs are answered, so that justice is "
    "seen to be done by all. ";
inline constexpr std::string_view Explore =
    "Explore is the sign of the seeker. Ruled by Mars, its natives combine subtlety with sharp insight into what is "
    "not apparent to others. They notice hidden clues, follow faint tracks and uncover secrets that were meant to stay "
    "buried. Discovery is their joy, yet they are just as skilled at evasion, slipping away unseen when it suits them. "
    "Their restless minds always wonder what lies beyond. Such a gift carries a warning: it must never be misused to "
    "spy, deceive or harm.";
inline constexpr std::string_view Nurture =
    "Nurture is the sign of care. Ruled by the gentle Moon, its natives feel happiest when they are looking after "
    "someone or something. The sign is pictured as a gardener who tends young plants with patience, watering, feeding "
    "and protecting them until they can stand on their own. Some of these gardeners work with soil and seeds, while "
    "others tend souls, guiding children, friends and strangers through difficult seasons. They give freely, expect "
    "little in return and notice the smallest needs. Whatever they cultivate, they help it grow strong and bear fruit.";
}  // namespace quorvane::descriptions
