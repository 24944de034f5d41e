"""A slow beginner: long walks, a rough sense of distance, a few basic kicks thrown as they come,
rarely blocks, often lets a moment pass, flinches back from kicks and keeps kicking when tired."""
import ailib


class Brain(ailib.Brain):
    STYLE = ailib.style(reaction=0.7, error=0.3, kicks=(9, 10, 16, 28), block=0.10, read=0.4, close=0.5,
                        flinch=0.3, blind=0.5, rest=0.2, reserve=0.3, hesitate=0.45, patience=2.5, eager=0.5)
