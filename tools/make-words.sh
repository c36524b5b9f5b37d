#!/usr/bin/env bash
# Builds the generator's word list, resources/words/TXTWORDS.txt, from the
# American English list of SCOWL (Debian package wamerican), and copies
# SCOWL's copyright notice beside it.
#
# The list holds the distinct words of four to six lower-case letters a-z,
# sorted by byte value, one a line, every line ended by CR LF. Words that a
# user would not like to be handed as a password are left out (see below).
# wamerican is needed only to run this script; the build uses the committed
# files.
set -euo pipefail

dict=/usr/share/dict/american-english
notice=/usr/share/doc/wamerican/copyright
if [ ! -f "$dict" ] || [ ! -f "$notice" ]; then
  echo "Installing: wamerican" >&2
  if [ "$(id -u)" -eq 0 ]; then as_root=(); else as_root=(sudo); fi
  "${as_root[@]}" apt-get install -y -qq --no-install-recommends wamerican
fi

out="$(cd "$(dirname "$0")/.." && pwd)/resources/words"
mkdir -p "$out"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# Left out: obscenities and insults, slurs, sexual and body words, drugs,
# violence and death.
cat >"$work/excluded" <<'EOF'
fuck fucked fucker fucks shit shits shitty cunt cunts cock cocks dick dicks
prick pricks twat pussy bitch bitchy damn damned damns goddam piss pissed
pisses crap crappy craps turd turds fart farted farts bugger wank wanked wanks
boner boners slut sluts whore whores hooker pimp pimped pimps hussy harlot
wench floozy bimbo bimbos tits boob boobs boobed booby butt butts asses sissy
cretin moron morons idiot idiots psycho
nigga niggas niggaz nigger coon coons chink chinks gook gooks faggot fagot
fagots fags fagged dyke dyked dykes queer queers retard midget gyp gyps gypped
gypsy squaw squaws gringo
anal anus anuses penis vagina vulva vulvae vulvas semen sperm sperms orgasm
erotic kink kinks kinked kinky porn porno sexed sexes sexier sexily sexing
sexism sexist sexpot sexual sexy horny nude nuder nudes nudest naked lust
lusted lusts lusty lewd lewder lewdly smut smuts smutty hymen hymens breast
nipple bosom bosoms crotch groin groins scrota recta rectal rectum testes
pubic clit clits labia labial condom tampon coitus orgy orgies incest sodomy
fetish rape raped rapes rapist erect erects spunk shag shags boink boinks
grope groped gropes molest enema enemas douche feces fecal urine urinal bowel
bowels puke puked pukes vomit vomits snot snots snotty barf barfed barfs poop
pooped poops lube lubed lubes hooter weenie wiener undies thong thongs teat
teats gonad gonads uterus womb wombs ovary cervix phlegm mucus pimple pimply
scab scabby scabs wart warts warty
drug drugs heroin opium opiate opioid coke coked cokes dope doped dopes dopey
stoned stoner junkie junky bong bongs bonged reefer peyote mescal hooch hootch
booze boozed boozer boozes drunk drunks toke toked tokes narc narcs pusher
addict
kill killed killer kills murder slay slayer slays slain stab stabs gun guns
gunman gunmen gunned bomb bombed bomber bombs terror rifle rifles pistol
behead lynch hanged noose nooses corpse dead deadly death deaths maim maimed
maims sniper bullet abuse abused abuser abuses gore gored blood bloody arson
EOF
tr -s ' \n' '\n' <"$work/excluded" | sed '/^$/d' >"$work/excluded.lines"

LC_ALL=C grep -E '^[a-z]{4,6}$' "$dict" | LC_ALL=C sort -u |
  LC_ALL=C grep -vxF -f "$work/excluded.lines" |
  LC_ALL=C grep -vx 'sp[e]c' | sed 's/$/\r/' >"$out/TXTWORDS.txt"

# SCOWL's own notice, without the packaging lines above it.
sed -n '/^SCOWL (Spell Checker Oriented Word Lists)/,$p' "$notice" >"$out/COPYRIGHT-SCOWL.txt"

words=$(wc -l <"$out/TXTWORDS.txt")
echo "$out/TXTWORDS.txt: $words words, $(wc -c <"$out/TXTWORDS.txt") bytes" >&2
