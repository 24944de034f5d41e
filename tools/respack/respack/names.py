"""Names for generated opponents (stored lower case; the game capitalises them)."""

LAST = """
park kim lee choi jung kang cho yoon jang lim han shin seo kwon hwang ahn song yoo hong jeon
ko moon yang son bae baek heo nam noh ha kwak sung cha joo woo koo min ryu
nguyen tran pham hoang phan vu dang bui do ho ngo duong
chen wang zhang liu yang huang zhao zhou wu sun ma hu guo lin luo zheng xie
tanaka suzuki sato watanabe ito yamamoto nakamura kobayashi kato yoshida yamada sasaki
smith johnson brown taylor wilson davies evans thomas walker wright hughes clarke turner
garcia martinez lopez gonzalez hernandez perez sanchez ramirez torres flores rivera gomez
silva santos oliveira souza costa pereira almeida ferreira rocha carvalho
yilmaz kaya demir sahin celik aydin arslan dogan
rossi russo ferrari esposito bianchi romano colombo ricci
dubois martin bernard moreau laurent lefevre girard roux
novak horvat kowalski nowak wisniewski petrov ivanov smirnov popov volkov
andersson johansson karlsson nilsson eriksson larsson berg lund
hosseini rahimi karimi moradi ahmadi rezaei
papadopoulos georgiou nikolaidis dimitriou
okafor adeyemi mensah owusu diallo traore
""".split()

MALE = """
minho jisoo hyun taejin sungmin dongwoo jaehyun seojun jiho yejun donghyun kyungsoo
wei jun hao lei ming jian tao feng bo chen
hiroshi kenji takeshi daiki ryo sota haruto yuto kaito
minh duc tuan hung quang long thanh
james john david michael daniel matthew thomas ryan jack oliver liam noah ethan lucas
carlos jose luis javier diego mateo pablo andres miguel rafael
joao pedro tiago bruno
mehmet emre burak can murat
marco luca matteo giovanni
pierre julien antoine hugo
ivan dmitri alexei nikolai sergei
erik lars anders johan
reza ali amir hossein
nikos giorgos kostas
kwame chinedu tunde kofi
""".split()

FEMALE = """
sora jiwoo seoyeon minji yuna hana eunji soyeon haeun jieun yerin dahye
mei lin xiu ying jing fang li na yan hui
yuki sakura hana aiko emi yui rin mio
linh mai lan huong thu trang
emma olivia sophia ava isabella mia amelia charlotte grace lily chloe ella
maria sofia lucia valentina camila daniela paula elena carmen
ana beatriz mariana julia
elif zeynep ayse defne
giulia chiara francesca sara
camille lea manon chloe
anna olga natalia irina svetlana
ingrid astrid elsa maja
sara maryam zahra niloufar
eleni katerina sofia
amara chioma ama abena
""".split()


def unique(words):
    seen = []
    for word in words:
        if word not in seen:
            seen.append(word)
    return seen
