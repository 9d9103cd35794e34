/** A rating as a number, a text read in the call's locale as the calculator's boxes read
 * it ("1.500,5" in German), or nothing: null, undefined and "" keep their row empty. */
export type Rating = number | string | null | undefined;

export interface Ratings {
    /** Your team's ratings, top row first: at most three. */
    team: readonly Rating[];
    /** The opponents' ratings: at most three. */
    opponents: readonly Rating[];
}

export interface Options {
    /** How texts are read and the language of refusals: a tag such as "de-DE";
     * English when left out. */
    locale?: string;
}

/** One team row's ratings, for each row that has a rating. */
export interface Row {
    /** 1 to 3: the row's place, counted from the top. */
    position: number;
    /** The rating as read, rounded to a whole number. */
    old: number;
    /** The rating after a win. */
    win: number;
    /** The rating after a loss. */
    lose: number;
}

export interface Results {
    ok: true;
    teamAverage: number;
    opponentAverage: number;
    /** The opponents' average minus your team's. */
    difference: number;
    /** Each player's change after a win (never negative) and after a loss (never positive). */
    winChange: number;
    lossChange: number;
    /** The share of such games your team must win to hold its rating, between 0 and 1:
     * the double nearest the exact share. */
    breakEven: number;
    rows: Row[];
}

export type Problem = 'NotNumeric' | 'OutOfRange' | 'NoRating' | 'NewRatingOutOfRange';

export interface Refusal {
    ok: false;
    problem: Problem;
    /** The side at fault. */
    side: 'team' | 'opponents';
    /** The row at fault, 1 to 3; null when the side has no rating at all. */
    row: number | null;
    /** What the calculator tells its user, in the locale's language (English without a
     * translation). */
    message: string;
}

/** Calculates as the calculator does. Bad ratings give a Refusal, never an exception; it
 * throws a TypeError only for a call of the wrong shape (a side that is not an array of
 * at most three numbers, texts or nulls, or a locale that is not a text). */
export function calculate(ratings: Ratings, options?: Options): Results | Refusal;
