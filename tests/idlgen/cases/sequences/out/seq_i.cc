[cc.begin] header_check=<hTIMEhPIDhN_h> header_file=<"seq_i.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<seq_iUtils>
[cc.clone.interface] interface_name=<M::I> return_type=<ret(NT_interface M::I)> arg_type=<in(NT_interface M::I)>
[cc.compare.interface] interface_name=<M::I> return_type=<ret(NT_interface M::I)> arg_type=<in(NT_interface M::I)>
[cc.clone.sequence] return_type=<M::LongSeq> arg_type=<M::LongSeq> define_id=<long> altdefid=<M_LongSeq>
[cc.clone.sequence.pointer] return_type=<M::LongSeq> arg_type=<M::LongSeq> define_id=<long> altdefid=<M_LongSeq>
[cc.make.sequence] make_type=<M_LongSeq> return_type=<M::LongSeq> arg_type=<ret(long)>
[cc.compare.sequence] arg_type=<M::LongSeq>
[cc.clone.sequence] return_type=<M::ULSeq> arg_type=<M::ULSeq> define_id=<unsigned_long> altdefid=<M_ULSeq>
[cc.clone.sequence.pointer] return_type=<M::ULSeq> arg_type=<M::ULSeq> define_id=<unsigned_long> altdefid=<M_ULSeq>
[cc.make.sequence] make_type=<M_ULSeq> return_type=<M::ULSeq> arg_type=<ret(ulong)>
[cc.compare.sequence] arg_type=<M::ULSeq>
[cc.clone.sequence] return_type=<M::LLSeq> arg_type=<M::LLSeq> define_id=<NT_sequence> altdefid=<NT_sequence>
[cc.clone.sequence.pointer] return_type=<M::LLSeq> arg_type=<M::LLSeq> define_id=<NT_sequence> altdefid=<NT_sequence>
[cc.make.sequence] make_type=<M_LLSeq> return_type=<M::LLSeq> arg_type=<ret(NT_sequence local type of )>
[cc.compare.sequence] arg_type=<M::LLSeq>
[cc.clone.sequence] return_type=<M::SeqOfSeq> arg_type=<M::SeqOfSeq> define_id=<LongSeq> altdefid=<M_LongSeq>
[cc.clone.sequence.pointer] return_type=<M::SeqOfSeq> arg_type=<M::SeqOfSeq> define_id=<LongSeq> altdefid=<M_LongSeq>
[cc.make.sequence] make_type=<M_SeqOfSeq> return_type=<M::SeqOfSeq> arg_type=<M::LongSeq>
[cc.compare.sequence] arg_type=<M::SeqOfSeq>
[cc.clone.sequence.interfaces] return_type=<M::ISeq> arg_type=<M::ISeq> define_id=<IAlias> altdefid=<M_IAlias>
[cc.clone.sequence.pointer.interfaces] return_type=<M::ISeq> arg_type=<M::ISeq> define_id=<IAlias> altdefid=<M_IAlias>
[cc.make.sequence] make_type=<M_ISeq> return_type=<M::ISeq> arg_type=<ret(NT_interface M::IAlias)>
[cc.compare.sequence.interfaces] arg_type=<M::ISeq>
[cc.clone.sequence] return_type=<M::CharSeq> arg_type=<M::CharSeq> define_id=<char> altdefid=<M_CharSeq>
[cc.clone.sequence.pointer] return_type=<M::CharSeq> arg_type=<M::CharSeq> define_id=<char> altdefid=<M_CharSeq>
[cc.make.sequence] make_type=<M_CharSeq> return_type=<M::CharSeq> arg_type=<ret(long)>
[cc.compare.sequence] arg_type=<M::CharSeq>
[cc.clone.sequence] return_type=<M::Names> arg_type=<M::Names> define_id=<NT_string> altdefid=<NT_string>
[cc.clone.sequence.pointer] return_type=<M::Names> arg_type=<M::Names> define_id=<NT_string> altdefid=<NT_string>
[cc.make.sequence] make_type=<M_Names> return_type=<M::Names> arg_type=<ret(NT_string local type)>
[cc.compare.sequence] arg_type=<M::Names>
[cc.clone.sequence] return_type=<M::Alias> arg_type=<M::Alias> define_id=<long> altdefid=<M_Alias>
[cc.clone.sequence.pointer] return_type=<M::Alias> arg_type=<M::Alias> define_id=<long> altdefid=<M_Alias>
[cc.make.sequence] make_type=<M_Alias> return_type=<M::Alias> arg_type=<ret(long)>
[cc.compare.sequence] arg_type=<M::Alias>
[cc.clone.sequence] return_type=<M::Alias2> arg_type=<M::Alias2> define_id=<long> altdefid=<M_Alias2>
[cc.clone.sequence.pointer] return_type=<M::Alias2> arg_type=<M::Alias2> define_id=<long> altdefid=<M_Alias2>
[cc.make.sequence] make_type=<M_Alias2> return_type=<M::Alias2> arg_type=<ret(long)>
[cc.compare.sequence] arg_type=<M::Alias2>
[cc.clone.sequence] return_type=<Floats> arg_type=<Floats> define_id=<float> altdefid=<Floats>
[cc.clone.sequence.pointer] return_type=<Floats> arg_type=<Floats> define_id=<float> altdefid=<Floats>
[cc.make.sequence] make_type=<Floats> return_type=<Floats> arg_type=<ret(double)>
[cc.compare.sequence] arg_type=<Floats>
[cc.class.begin] class_name=<M_I_i>
[cc.class.members.begin] class_name=<M_I_i>
[cc.class.member.begin] return_type=<> function_name=<M_I_i> arglist=<> class_name=<M_I_i>
[cc.class.member.body.begin] return_type=<> function_name=<M_I_i> arglist=<> class_name=<M_I_i>
[cc.class.constructor.stubout] return_type=<>
[cc.class.member.end] return_type=<>
[cc.class.end]
[cc.main.begin] mainclass=<seq_i>
[cc.main.stubout] mainclass=<seq_i>
[cc.main.end] mainclass=<seq_i>
[cc.class.end]
[cc.end]
